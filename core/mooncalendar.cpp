// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mooncalendar.h"

#include "core/product.h"
#include "core/zones.h"
#include "engine/greatevents.h"
#include "engine/icalendar.h"
#include "engine/moonevents.h"


namespace selvane {

QString MoonCalendarFileName(int year, int month, const QString& monthName) {
    const QString span = month == kWholeYear ? QString::number(year)
                                             : QStringLiteral("%1 %2").arg(monthName).arg(year);
    return QStringLiteral("%1 Moon %2.ics").arg(QLatin1String(kProductName), span);
}

QByteArray MoonCalendarFile(int year, int month, const Observer& observer, bool withRiseSet,
                            const QDateTime& made, const QString& location) {
    const QString version = QString::fromLatin1(kVersion);
    const QString product = QString::fromLatin1(kProductName);
    const QString span =
        month == kWholeYear ? QString::number(year)
                            : QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));

    CalendarInfo info;
    info.ProductId = QStringLiteral("-//%1//%1 %2//EN").arg(product, version).toStdString();
    info.Name = QStringLiteral("%1 Moon %2").arg(product, span).toStdString();
    info.UidDomain = HomePageHost().toStdString();
    info.Stamp = JulianDayOf(made);
    info.Place = PlaceKey(observer);
    info.Location = location.toStdString();
    return QByteArray::fromStdString(MoonCalendar(MoonEventsOf(year, month, observer, withRiseSet),
                                                  info, MoonGreatEvents(year, month, observer)));
}

} // namespace selvane
