// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mooncalendar.h"

#include "core/moontexts.h"
#include "core/product.h"
#include "core/zones.h"
#include "engine/icalendar.h"
#include "engine/moonevents.h"

#include <QCoreApplication>
#include <QUrl>

namespace selvane {

namespace {

// "Selvane Moon 2025": the product's name, then the span.
QString CalendarName(const QString& span) {
    //: The calendar file's name: the program's name, then a year or a month.
    return QCoreApplication::translate("selvane::MoonCalendar", "%1 Moon %2")
        .arg(QLatin1String(kProductName), span);
}

} // namespace

QString MoonCalendarFileName(int year, int month, const QString& monthName) {
    const QString span = month == kWholeYear ? QString::number(year)
                                             : QStringLiteral("%1 %2").arg(monthName).arg(year);
    return CalendarName(span) + QStringLiteral(".ics");
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
    info.Name = CalendarName(span).toStdString();
    info.UidDomain = QUrl(QString::fromLatin1(kHomePage)).host().toStdString();
    info.Stamp = JulianDayOf(made);
    info.Place = PlaceKey(observer);
    info.Location = location.toStdString();
    info.Names = CalendarEventNames();
    return QByteArray::fromStdString(
        MoonCalendar(MoonEventsOf(year, month, observer, withRiseSet), info));
}

} // namespace selvane
