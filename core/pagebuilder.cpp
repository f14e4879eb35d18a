// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pagebuilder.h"

#include "core/utf8text.h"
#include "core/vectorstate.h"
#include "engine/dailyphases.h"
#include "engine/greatevents.h"
#include "engine/phases.h"

namespace selvane {

PageHeaderData PageHeader(const PageRequest& request) {
    const Settings& record = request.Record;
    PageHeaderData header;
    header.Year = request.Year;
    header.Month = request.Month;
    header.MonthName = request.Texts.MonthHeadings[static_cast<std::size_t>(request.Month - 1)];
    header.NorthernView = request.NorthernView;
    header.Lat = record.Lat;
    header.Long = record.Long;
    // The location line names the clock the times are in: a named zone's id, or daylight
    // saving when it is in force.
    if (request.NamedZone)
        header.LocationEnding = QStringLiteral(", ") + FromUtf8(record.ZoneName);
    else if (record.DaylightSavings)
        header.LocationEnding = QStringLiteral(", ") + DaylightSavingText();
    return header;
}

std::vector<ListedEvent> MonthEvents(const PageRequest& request) {
    const QString monthName =
        FromUtf8(request.Texts.Months[static_cast<std::size_t>(request.Month - 1)]);
    std::vector<ListedEvent> out;
    for (const GreatEvent& e : MoonGreatEvents(request.Year, request.Month, request.Place))
        out.push_back({e.Local.Day, FromUtf8(HourMinuteText(e.Local)), SymbolOf(e),
                       GreatEventTexts::Title(e), GreatEventTexts::Line(e, monthName)});
    return out;
}

CalendarPageData CalendarPage(const PageRequest& request) {
    ClearUpperVectorHalves(); // after whatever was drawn last, before the engine
    const Settings& record = request.Record;
    const int year = request.Year;
    const int month = request.Month;
    CalendarPageData page;
    page.Header = PageHeader(request);
    page.WeekdayNames = request.Texts.LongDays;
    page.DayOrder = record.DayOrder;
    page.Choices = {record.PrintSunTimes, record.PrintLunarTimes, record.PhasePrintout,
                    record.PhaseDensity};
    // The month's major phases as the phases panel lists them, those on the month's days.
    const MonthPhases phases = FindMonthPhases(year, month, request.Place, request.Texts.Months);
    for (int i = 0; i < phases.MajorPhaseCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const CalendarInstant& local = phases.LocalTimes[k];
        if (local.Year == year && local.Month == month)
            page.MajorPhases.push_back({local.Day, FromUtf8(HourMinuteText(local)),
                                        FromUtf8(phases.MajorPhaseTable[k].PhaseCode)});
    }
    page.DailyPhases = MonthDailyPhases(year, month);
    page.Table = FillMonthTimeTable(year, month, request.Place);
    page.GreatEvents = MonthEvents(request);
    return page;
}

TimeTablePageData TimeTablePage(const PageRequest& request, const MonthTimeTable& table) {
    return {PageHeader(request), table, MonthEvents(request)};
}

} // namespace selvane
