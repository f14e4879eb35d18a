// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rising, transit and setting of the Moon and the Sun, and the twilights, on a local calendar
// date: the chapter 15 method (engine/risetransitset.h) fed with each body's places and its
// results brought onto the local clock. The results are numbers; engine/risesettext.h makes
// their texts.

#include "engine/constants.h"
#include "engine/eventtime.h"
#include "engine/localtime.h"

#include <array>
#include <string>

namespace selvane {

struct MoonRiseSetEntry {
    std::string Title; // "Transit:", "Moonrise:", "Moonset:"
    EventTime Time;    // at a clock time of the date, None, or OtherDate
};

struct LunarRiseSet {
    std::array<MoonRiseSetEntry, 3> Entries; // transit, rise, set
    int Percent = 0;                         // illuminated percent at 0h UT of the date
};

// The Moon's events on the local calendar date of the clock time. An event at a clock time
// lies within the date (0 to 1 day after its midnight); one that happens on another local
// date is OtherDate; None when the Moon does not cross the horizon at all that day.
LunarRiseSet CalcLunarRiseSet(const ClockTime& clock, const Observer& observer);

// The entries in the order the window lists them: by their texts in plain character order
// ("*****" before any time, times in clock order, "None" last), with three compare-and-swap
// steps that leave entries reading the same text as they were.
std::array<MoonRiseSetEntry, 3> SortedByTime(std::array<MoonRiseSetEntry, 3> entries);

// The Sun's transit, rise and set (or twilight start and end) on the local date of the clock
// time, for the altitude in degrees (-0.8333, -6, -12, -18): each at a clock time of the date
// (one off the date is brought into it by whole days) or None; all three None when the Sun
// does not reach the altitude that day, one when that event of the day is not found.
std::array<EventTime, 3> CalcSolarRiseSet(const ClockTime& clock, const Observer& observer,
                                          double altitude);

inline constexpr double kSunriseAltitude = kSunRiseSetAltitudeDeg;
inline constexpr double kCivilTwilight = -6.0;
inline constexpr double kNauticalTwilight = -12.0;
inline constexpr double kAstronomicalTwilight = -18.0;

} // namespace selvane
