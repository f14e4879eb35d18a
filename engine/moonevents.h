// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's events over a span of time, for calendars and scripts: the major phases, the
// perigees and apogees, and optionally each day's moonrise and moonset at the place, from the
// functions the main window shows them with. The phases and apsides are the window's instants
// less Delta-T: the window keeps the series' dynamical time as its one time scale, while a
// calendar file's UTC is the sky's (2025 March 14's Full Moon: 06:55:46 in the window, 06:54:31
// UT). The rises and sets are the window's local minutes, civil times that need no Delta-T.

#include "engine/localtime.h"

#include <cstdint>
#include <vector>

namespace selvane {

// The kinds in the order of their summaries in the calendar file.
enum class MoonEventKind {
    NewMoon,
    FirstQuarter,
    FullMoon,
    LastQuarter,
    Perigee,
    Apogee,
    Moonrise,
    Moonset,
};

struct MoonEvent {
    MoonEventKind Kind = MoonEventKind::NewMoon;
    JulianDay JD = 0.0;        // universal time (the sky's: Delta-T taken off the series')
    std::int32_t Distance = 0; // perigee and apogee: Earth-Moon distance in km; else 0
    // Phases: the lunation index k of getMoonJD (0: the New Moon of 2000 January 6); apsides:
    // the index of jdXgee. Each phase or apsis has its own k, so it names the event.
    double K = 0.0;
    // Moonrise and moonset: the local calendar date the event belongs to.
    CalendarInstant LocalDate;
};

// The major phases and the apsides whose universal instant lies in (start, end], in time
// order.
std::vector<MoonEvent> PhasesAndApsides(JulianDay start, JulianDay end);

// Each moonrise and moonset of `days` local calendar dates from year-month-day on, as the main
// window shows them for those dates ("hh:mm" local), turned into universal instants. A date
// without a rise or a set, or whose event falls on another date, gives none.
std::vector<MoonEvent> RisesAndSets(int year, int month, int day, int days,
                                    const Observer& observer);

inline constexpr int kWholeYear = 0;

// The events of a calendar month (1..12), or of the whole year with kWholeYear, in time
// order; the rises and sets are those of the span's local dates.
std::vector<MoonEvent> MoonEventsOf(int year, int month, const Observer& observer,
                                    bool withRiseSet);

} // namespace selvane
