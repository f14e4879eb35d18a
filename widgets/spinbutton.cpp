// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/spinbutton.h"

#include "widgets/accessibility.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace selvane {

namespace {

constexpr int kRepeatDelayMs = 400; // the first repeat, then every kRepeatIntervalMs
constexpr int kRepeatIntervalMs = 100;

// A raised (or, pressed, sunken) bevelled face with a small triangle pointing up or down.
void DrawHalf(QPainter& p, const QRect& r, bool up, bool pressed, bool enabled) {
    p.fillRect(r, QColor(236, 236, 236));
    const QColor light = pressed ? QColor(120, 120, 120) : Qt::white;
    const QColor dark = pressed ? Qt::white : QColor(120, 120, 120);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const QPointF c = QRectF(r).center() + (pressed ? QPointF(1, 1) : QPointF(0, 0));
    const qreal w = 3.0, h = 2.0;
    QPainterPath arrow;
    if (up) {
        arrow.moveTo(c.x() - w, c.y() + h / 2);
        arrow.lineTo(c.x() + w, c.y() + h / 2);
        arrow.lineTo(c.x(), c.y() - h);
    } else {
        arrow.moveTo(c.x() - w, c.y() - h / 2);
        arrow.lineTo(c.x() + w, c.y() - h / 2);
        arrow.lineTo(c.x(), c.y() + h);
    }
    arrow.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(arrow, enabled ? Qt::black : QColor(150, 150, 150));
    p.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent) {
    InstallKitAccessibility();
    setFocusPolicy(Qt::TabFocus);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(kRepeatIntervalMs);
        fire(m_pressed);
    });
}

void SpinButton::fire(Half half) {
    const QString shown = m_valueLabel ? m_valueLabel->text() : QString();
    if (half == Half::Up)
        emit upClicked();
    else if (half == Half::Down)
        emit downClicked();
    // The name carries the value: a reader on the button hears the new one.
    if (m_valueLabel && m_valueLabel->text() != shown)
        Notify(this, QAccessible::NameChanged);
}

void SpinButton::stepUp() {
    fire(Half::Up);
}

void SpinButton::stepDown() {
    fire(Half::Down);
}

void SpinButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int middle = height() / 2;
    DrawHalf(p, QRect(0, 0, width(), middle), true, m_pressed == Half::Up, isEnabled());
    DrawHalf(p, QRect(0, middle, width(), height() - middle), false, m_pressed == Half::Down,
             isEnabled());
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = event->position().y() < height() / 2 ? Half::Up : Half::Down;
    update();
    fire(m_pressed);
    m_repeat.start(kRepeatDelayMs);
}

void SpinButton::mouseReleaseEvent(QMouseEvent*) {
    m_repeat.stop();
    m_pressed = Half::None;
    update();
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        fire(Half::Up);
    else if (event->key() == Qt::Key_Down)
        fire(Half::Down);
    else
        QWidget::keyPressEvent(event);
}

} // namespace selvane
