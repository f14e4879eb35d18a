// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The instants of the Moon's major phases and the phases of a calendar month.

#include "engine/localtime.h"

#include <array>
#include <cstdint>
#include <string>

namespace selvane {

// 0 New Moon, 1 First Quarter, 2 Full Moon, 3 Last Quarter.
inline constexpr std::array<const char*, 4> kPhaseCodes = {"NM", "FQ", "FM", "LQ"};

// The instant of the true phase with lunation index k (k = 0: the New Moon of 2000 January 6;
// +0.25, +0.5, +0.75 for the other phases), as a universal-time Julian Day. `phase` is the
// fraction of k (0, 0.25, 0.5 or 0.75). (49.1) p. 349 plus the periodic correction.
JulianDay getMoonJD(double k, double phase) noexcept;

// The fraction of a lunation index in [0, 1), also for negative k: the phase getMoonJD takes.
double PhaseOf(double k) noexcept;

// The correction in days from the mean to the true phase, T = k / 1236.85. Chapter 49.
double calculateMajorPhase(double k, double phase, double T) noexcept;

// Chapter 54: at a Full or New Moon whose |sin F| exceeds this, F the Moon's argument of
// latitude (49.6), the Moon passes too far from its node for any eclipse, even penumbral.
inline constexpr double kEclipseMaxSinF = 0.36;

// Whether the phase of lunation index k lies near enough to a node of the Moon's orbit for an
// eclipse to be possible (|sin F| at most kEclipseMaxSinF).
bool NearANode(double k) noexcept;

struct MajorPhaseEntry {
    double PhaseJD = 0.0;        // universal time
    std::int32_t PhaseIndex = 0; // 0..3
    std::string PhaseCode;       // "NM", "FQ", "FM", "LQ"
};

// The major phases whose universal-time instant falls in a calendar month (3 to 5 of them),
// with the local time and date of each and its label text, "hh:mm  dd mmmm yyyy".
struct MonthPhases {
    std::array<MajorPhaseEntry, 5> MajorPhaseTable;
    std::int32_t MajorPhaseCount = 0;
    std::array<std::string, 5> Texts;
    // The date and time the text shows (JDToCalendar of the local instant): near the month's
    // ends a phase may fall on a local date of the neighbouring month.
    std::array<CalendarInstant, 5> LocalTimes;
};

// The month's phases for `year` and `month` (1..12). The month's bounds are the Julian Days of
// its first and the next month's first local midnight, taken as they are; each text is the
// phase's instant in the observer's local time in force then.
MonthPhases FindMonthPhases(int year, int month, const Observer& observer,
                            const MonthNames& monthNames);

} // namespace selvane
