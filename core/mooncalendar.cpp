// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mooncalendar.h"

#include "core/greateventtexts.h"
#include "core/moontexts.h"
#include "core/product.h"
#include "core/utf8text.h"
#include "core/zones.h"
#include "engine/greatevents.h"
#include "engine/greateventstext.h"
#include "engine/icalendar.h"
#include "engine/moonevents.h"

#include <QCoreApplication>

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
    info.UidDomain = HomePageHost().toStdString();
    info.Stamp = JulianDayOf(made);
    info.Place = PlaceKey(observer);
    info.Location = location.toStdString();
    info.Names = CalendarEventNames();
    // In another language the great events are named in it; in English the engine's own texts
    // stay, as scripts and the tests read them.
    info.GreatTitle = [](const GreatEvent& e) {
        return GreatEventTexts::Title(e).toStdString();
    };
    info.GreatDescription = [](const GreatEvent& e) {
        const QString title = GreatEventTexts::Title(e);
        return title == FromUtf8(GreatEventTitle(e))
                   ? GreatEventDescription(e)
                   : GreatEventTexts::CalendarDescription(e).toStdString();
    };
    return QByteArray::fromStdString(MoonCalendar(MoonEventsOf(year, month, observer, withRiseSet),
                                                  info, MoonGreatEvents(year, month, observer)));
}

} // namespace selvane
