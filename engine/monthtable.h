// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A month of rise, transit, set and twilight times, one row per day: what the time list
// shows and the time table prints, and the month's comma-separated values.

#include "engine/eventtime.h"
#include "engine/localtime.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace selvane {

// Each time is at a clock time of the day, None when the body does not reach the altitude
// that day, or, for the Moon only, OtherDate when its event falls on another local date.
struct RiseTransitSet {
    EventTime Transit;
    EventTime Rise;
    EventTime Set;
};

struct TwilightTimes {
    EventTime Start;
    EventTime End;
};

struct DayTimes {
    RiseTransitSet MoonTimes;
    RiseTransitSet SunTimes;
    std::int32_t Illumination = 0; // the Moon's illuminated percent at 0h UT of the day
    TwilightTimes CivilTwilight;
    TwilightTimes NauticalTwilight;
    TwilightTimes AstronomicalTwilight;
};

// Row d - 1 for day d; rows past the month's last day are left empty (EventState::Empty).
struct MonthTimeTable {
    std::array<DayTimes, 31> Days;
};

// The month's table for the observer, computed day by day as the main window computes the
// selected day.
MonthTimeTable FillMonthTimeTable(int year, int month, const Observer& observer);

inline constexpr std::size_t kTableTextLength = 6; // characters a table text keeps

// A time as the table shows, prints and writes it: "hh:mm", "None" or "*****" (EventText)
// cut to 6 characters; empty for an empty row.
std::string TableText(const EventTime& event);

// The month's table as comma-separated values: the header line
// "date,moonrise,moon_transit,moonset,illumination,astro_start,nautical_start,civil_start,
// sunrise,sun_transit,sunset,civil_end,nautical_end,astro_end" (one line), then one line per
// day with the date as yyyy-mm-dd, the times as TableText and the illumination as "75%".
// Lines end with a line feed.
std::string MonthTimeTableCsv(int year, int month, const MonthTimeTable& table);

} // namespace selvane
