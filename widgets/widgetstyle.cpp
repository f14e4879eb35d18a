// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/widgetstyle.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace selvane {

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

void SetEntryColours(QWidget* widget) {
    constexpr QPalette::ColorRole grounds[] = {QPalette::Base, QPalette::Button, QPalette::Window};
    constexpr QPalette::ColorRole texts[] = {QPalette::Text, QPalette::ButtonText,
                                             QPalette::WindowText};
    QPalette p = widget->palette();
    for (QPalette::ColorRole role : grounds)
        p.setColor(role, kEntryColour);
    for (QPalette::ColorRole role : texts)
        p.setColor(role, Qt::black);
    for (QPalette::ColorRole role : grounds)
        p.setColor(QPalette::Disabled, role, kDisabledEntryColour);
    for (QPalette::ColorRole role : texts)
        p.setColor(QPalette::Disabled, role, kDisabledEntryText);
    widget->setPalette(p);
}

QRect NarrowListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl part, const QWidget* widget) const {
    if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
        return QProxyStyle::subControlRect(control, option, part, widget);
    constexpr int kButton = 15, kFrame = 2;
    const QRect r = option->rect;
    const QRect button(r.right() - kButton + 1, r.top(), kButton, r.height());
    const QRect field(r.left() + kFrame, r.top() + kFrame, r.width() - kButton - kFrame - 1,
                      r.height() - 2 * kFrame);
    return visualRect(option->direction, r, part == SC_ComboBoxArrow ? button : field);
}

void NarrowListStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control == CC_ComboBox && box && !box->editable)
        painter->fillRect(subControlRect(control, option, SC_ComboBoxEditField, widget),
                          option->palette.brush(QPalette::Base));
}

} // namespace selvane
