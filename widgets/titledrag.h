// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace selvane {

class HotSpotLabel;

// Moves a borderless window by its title label. A left-button press hands the move to the
// window system where it offers one (Wayland allows no other way, and a window manager then
// keeps the window on screen); otherwise, and for the other buttons, every mouse move while
// a button is held moves the window by the mouse travel, so the point under the pointer
// stays put.
class TitleDrag : public QObject {
    Q_OBJECT

public:
    TitleDrag(QWidget* window, HotSpotLabel* title);

    bool Dragging = false;
    int DragX = 0; // the press position in the title label
    int DragY = 0;

    void MouseDown(QPoint position, Qt::MouseButton button);
    void MouseMove(QPoint position);
    void MouseUp();

private:
    QWidget* m_window;
};

} // namespace selvane
