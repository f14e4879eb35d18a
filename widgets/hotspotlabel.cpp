// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/hotspotlabel.h"

#include <QMouseEvent>

namespace selvane {

HotSpotLabel::HotSpotLabel(QWidget* parent)
    : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void HotSpotLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    emit pressed(event->position().toPoint(), event->button());
}

void HotSpotLabel::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

void HotSpotLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    emit released();
    if (click)
        emit clicked();
}

} // namespace selvane
