// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/titledrag.h"

#include "widgets/hotspotlabel.h"

#include <QWidget>
#include <QWindow>

namespace selvane {

TitleDrag::TitleDrag(QWidget* window, HotSpotLabel* title)
    : QObject(title)
    , m_window(window) {
    connect(title, &HotSpotLabel::pressed, this, &TitleDrag::MouseDown);
    connect(title, &HotSpotLabel::moved, this, &TitleDrag::MouseMove);
    connect(title, &HotSpotLabel::released, this, &TitleDrag::MouseUp);
}

void TitleDrag::MouseDown(QPoint position, Qt::MouseButton button) {
    QWindow* handle = m_window->windowHandle();
    if (button == Qt::LeftButton && handle && handle->startSystemMove()) {
        Dragging = false; // the window system moves the window until the button is released
        return;
    }
    DragX = position.x();
    DragY = position.y();
    Dragging = true;
}

void TitleDrag::MouseMove(QPoint position) {
    if (Dragging)
        m_window->move(m_window->x() + position.x() - DragX, m_window->y() + position.y() - DragY);
}

void TitleDrag::MouseUp() {
    Dragging = false;
}

} // namespace selvane
