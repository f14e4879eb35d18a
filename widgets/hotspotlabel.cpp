// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/hotspotlabel.h"

#include "widgets/accessibility.h"

#include <QMouseEvent>

namespace selvane {

HotSpotLabel::HotSpotLabel(QWidget* parent)
    : QLabel(parent) {
    InstallKitAccessibility();
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void HotSpotLabel::accessiblePress() {
    if (holdStep)
        return holdStep();
    // Queued, as a click comes from the event loop: the screen reader's call returns at once,
    // also when the click opens a window that runs a loop of its own (a modal dialog).
    QMetaObject::invokeMethod(
        this,
        [this] {
            emit pressed(rect().center(), Qt::LeftButton);
            emit released();
            emit clicked();
        },
        Qt::QueuedConnection);
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
