// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/phasestate.h"

#include <array>
#include <cstddef>

namespace selvane {

PhaseState ChoosePhaseState(JulianDay m, const MonthPhases& phases) noexcept {
    const int count = phases.MajorPhaseCount;
    if (count <= 0)
        return PhaseState::FullMoon; // no phase to go by: show the picture as it is
    const auto& table = phases.MajorPhaseTable;
    int i = 0;
    while (i < count && table[i].PhaseJD < m)
        ++i;

    int nearest;
    double d;
    if (i > 0 && i < count) {
        const double d1 = m - table[i - 1].PhaseJD;
        if ((table[i].PhaseJD - table[i - 1].PhaseJD) / 2.0 >= d1) {
            nearest = i - 1;
            d = d1;
        } else {
            nearest = i;
            d = m - table[i].PhaseJD;
        }
    } else {
        nearest = i == 0 ? 0 : count - 1;
        d = m - table[nearest].PhaseJD;
    }

    // Rows: the nearest phase's index (New Moon, First Quarter, Full Moon, Last Quarter);
    // columns: more than half a day before it, within half a day, more than half a day after.
    using enum PhaseState;
    static constexpr std::array<std::array<PhaseState, 3>, 4> states = {{
        {WaningCrescent, NewMoon, WaxingCrescent},
        {WaxingCrescent, FirstQuarter, WaxingGibbous},
        {WaxingGibbous, FullMoon, WaningGibbous},
        {WaningGibbous, LastQuarter, WaningCrescent},
    }};
    const std::size_t column = d < -0.5 ? 0 : (d <= 0.5 ? 1 : 2);
    return states[static_cast<std::size_t>(table[nearest].PhaseIndex & 3)][column];
}

} // namespace selvane
