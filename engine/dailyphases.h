// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon of each day of a month as the printed calendar pictures it: the phase state
// between the quarter phases around the day and the illuminated percent at its start.

#include "engine/phasestate.h"
#include "engine/timebase.h"

#include <array>

namespace selvane {

// A day's local midnight as a Julian Day, and the five quarter phases from the New Moon at or
// before it: P[0] New Moon, P[1] First Quarter, P[2] Full Moon, P[3] Last Quarter, P[4] the
// next New Moon (universal time).
struct PhaseDates {
    JulianDay D = 0.0;
    std::array<JulianDay, 5> P{};
};
PhaseDates MonthPhaseDates(int year, int month, int day);

// The phase state of the day's picture, from where its midnight D lies among the phases: a
// day around a New or Full Moon and half a day around a quarter have their own state.
PhaseState DailyPhaseState(const PhaseDates& dates) noexcept;

struct DailyPhase {
    int Percent = 0;                        // illuminated, at the day's local midnight taken as UT
    PhaseState State = PhaseState::NewMoon; // as DailyPhaseState
};

// Row d - 1 for day d; rows past the month's last day are left at zero.
std::array<DailyPhase, 31> MonthDailyPhases(int year, int month);

} // namespace selvane
