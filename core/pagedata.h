// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a printed page shows, every value of it, built by print/pagebuilder. The page routines
// read nothing else and compute no astronomy: they lay the month out and draw.

#include "core/greateventtexts.h"
#include "core/settings.h"
#include "engine/dailyphases.h"
#include "engine/monthtable.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace selvane {

// The print options of the settings.
struct PrintChoices {
    bool PrintSunTimes = true;
    bool PrintLunarTimes = true;
    std::uint8_t PhasePrintout = 3; // 0 daily pictures, 1 major phases, 2 neither, 3 both
    std::uint8_t PhaseDensity = 75; // darkness of the daily shadows, percent
};

// One of the month's major phases that falls on a local date of the printed month.
struct ListedPhase {
    int Day = 1;  // of the month, local time
    QString Time; // "hh:mm", local time
    QString Code; // "NM", "FQ", "FM" or "LQ"
};

// One of the month's great events (an eclipse, a supermoon, a blue moon), on a local date of the
// printed month.
struct ListedEvent {
    int Day = 1;  // of the month, local time
    QString Time; // "hh:mm", local time: greatest eclipse, or the Full Moon
    EventSymbol Symbol = EventSymbol::Supermoon;
    QString Title; // "Total lunar eclipse"
    QString Line;  // the time table's line: date, time, title and what is seen at the place
};

// The title block and the frame both pages share.
struct PageHeaderData {
    int Year = 2000;
    int Month = 1;
    QString MonthName; // the locale's full name of the month
    bool NorthernView = true;
    LocationAngle Lat; // printed as stored
    LocationAngle Long;
    QString LocationEnding; // appended to the location line; empty by default
};

struct CalendarPageData {
    PageHeaderData Header;
    std::array<QString, 7> WeekdayNames; // full names, 0 = Sunday
    int DayOrder = 0;                    // the weekday of the first column
    PrintChoices Choices;
    std::vector<ListedPhase> MajorPhases;   // those on the month's days, in time order
    std::array<DailyPhase, 31> DailyPhases; // each day's picture
    MonthTimeTable Table;                   // the month's rise, transit and set times
    std::vector<ListedEvent> GreatEvents;   // the month's great events, in time order
};

struct TimeTablePageData {
    PageHeaderData Header;
    MonthTimeTable Table;
    std::vector<ListedEvent> GreatEvents; // named under the table, in time order
};

} // namespace selvane
