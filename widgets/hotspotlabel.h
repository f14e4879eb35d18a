// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

#include <functional>

namespace selvane {

// A transparent label lying over a picture: a clickable command, a drag handle or a text
// that forwards its clicks. It reports presses, moves and releases in its own coordinates.
class HotSpotLabel : public QLabel {
    Q_OBJECT

public:
    explicit HotSpotLabel(QWidget* parent = nullptr);

    // What a screen reader's press does: a left click at the spot's centre (pressed, released
    // and clicked), from the event loop as a click comes; or, for a spot that acts while it is
    // held down (a scroll arrow), which a press cannot hold, one step of it at once: `holdStep`
    // when the window sets it.
    void accessiblePress();
    std::function<void()> holdStep;

signals:
    void clicked();
    void pressed(QPoint position, Qt::MouseButton button);
    void moved(QPoint position);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace selvane
