// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The eight states of the Moon's phase that its pictures show, and how the main window's
// picture chooses one from the month's major phases.

#include "engine/phases.h"

namespace selvane {

// The states in the order of the status strip's phase names. A New or Full Moon and the
// quarters are states of their own around their instants; the crescents and gibbous phases
// fill the time between them.
enum class PhaseState {
    NewMoon = 0,
    WaningCrescent = 1,
    LastQuarter = 2,
    WaningGibbous = 3,
    FullMoon = 4,
    WaxingGibbous = 5,
    FirstQuarter = 6,
    WaxingCrescent = 7,
};
inline constexpr int kPhaseStateCount = 8;

// The state for the universal-time instant m: the major phase of the month nearest to m
// (a tie goes to the earlier one) gives its own state within half a day of its instant, and
// the state before or after it otherwise. Full Moon when the month lists no phase.
PhaseState ChoosePhaseState(JulianDay m, const MonthPhases& phases) noexcept;

} // namespace selvane
