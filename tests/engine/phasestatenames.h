// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Failure messages that name a phase state instead of dumping its bytes.

#include "engine/phasestate.h"

#include <array>
#include <ostream>

namespace selvane {

inline void PrintTo(PhaseState state, std::ostream* os) {
    static constexpr std::array<const char*, kPhaseStateCount> names = {
        "NewMoon",  "WaningCrescent", "LastQuarter",  "WaningGibbous",
        "FullMoon", "WaxingGibbous",  "FirstQuarter", "WaxingCrescent"};
    const auto i = static_cast<std::size_t>(state);
    *os << (i < names.size() ? names[i] : "PhaseState(?)") << " (" << static_cast<int>(state)
        << ")";
}

} // namespace selvane
