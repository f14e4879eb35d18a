// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/placement.h"

#include "widgets/hotspotlabel.h"

#include <QCoreApplication>
#include <QWidget>

namespace selvane {

namespace {

const char* const kTextRoom = "selvaneTextRoom";

} // namespace

void SetTextRoom(QWidget* caption, int pixels) {
    caption->setProperty(kTextRoom, pixels);
}

int TextRoom(const QWidget* caption) {
    return caption->property(kTextRoom).toInt();
}

void PlaceControls(QWidget* window, std::span<const Placement> table) {
    for (const Placement& p : table)
        if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(p.Name)))
            control->setGeometry(p.rect());
}

HotSpotLabel* AddHotSpot(QWidget* window, const Placement& place) {
    auto* spot = new HotSpotLabel(window);
    spot->setObjectName(QString::fromLatin1(place.Name));
    spot->setGeometry(place.rect());
    if (place.Hint)
        spot->setToolTip(
            QCoreApplication::translate(window->metaObject()->className(), place.Hint));
    return spot;
}

} // namespace selvane
