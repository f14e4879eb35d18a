// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The base of the secondary windows: borderless, drawn from a background picture, centred on
// the main window, with transparent hot spots over the picture's drawn buttons.

#include <QDialog>
#include <QImage>

#include <functional>

namespace selvane {

class HotSpotLabel;
class TitleDrag;

class BorderlessWindow : public QDialog {
    Q_OBJECT

public:
    // `background` is a picture resource (LoadPicture); the window takes its logical size.
    // `flags` adds to the
    // frameless hint: a dialog by default, Qt::Window for a window that can be minimised.
    BorderlessWindow(QWidget* mainWindow, const QString& name, const QString& background,
                     Qt::WindowFlags flags = Qt::Dialog);
    ~BorderlessWindow() override;

    QWidget* mainWindow() const { return m_mainWindow; }

    // Puts the window's centre on the main window's: left = main left + (main width - own
    // width) / 2, and so for the top, the division truncating toward zero.
    void centreOnMainWindow();
    // Moves the window to `topLeft`, or as near to it as keeps the whole window on the main
    // window's screen.
    void moveOnScreen(const QPoint& topLeft);

    // A transparent, caption-less command over the picture, named for tests and hints.
    HotSpotLabel* addHotSpot(const char* name, const QRect& geometry, const char* hint = nullptr);

    // Lets `title` move the window.
    TitleDrag* dragBy(HotSpotLabel* title);

    // User errors go here; tests replace it. The default shows a message box.
    std::function<void(const QString&)> showMessage;

protected:
    void paintEvent(QPaintEvent* event) override;
    const QImage& background() const { return m_background; }

private:
    QWidget* m_mainWindow;
    QImage m_background;
};

} // namespace selvane
