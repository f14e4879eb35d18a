// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/dailyphases.h"

#include "engine/constants.h"
#include "engine/lunar.h"
#include "engine/phases.h"

namespace selvane {

PhaseDates MonthPhaseDates(int year, int month, int day) {
    PhaseDates dates;
    dates.D = DateTimeToJD(year, month, day, 0, 0, 0);
    const JulianDay yearStart = DateTimeToJD(year, 1, 1, 0, 0, 0);
    const double y = year + (dates.D - yearStart - 1.0) / 365.25;
    // Quarter steps since the New Moon of 2000 January 6, cut toward zero; a step back for
    // dates before 2000 keeps the cut below the date there too.
    auto q = static_cast<long long>((y - kLunationEpochYear) * kLunationsPerYear * 4.0);
    if (q < 0)
        q -= 4;
    double k = static_cast<double>(q / 4);
    if (dates.D - getMoonJD(k, 0.0) < 0.0)
        k -= 1.0;
    for (JulianDay& p : dates.P) {
        p = getMoonJD(k, PhaseOf(k));
        k += 0.25;
    }
    return dates;
}

PhaseState DailyPhaseState(const PhaseDates& dates) noexcept {
    const JulianDay d = dates.D;
    const auto& p = dates.P;
    // Each phase's own state lasts a day around a New or Full Moon and half a day around a
    // quarter; each interval includes its start.
    struct Span {
        JulianDay from;
        JulianDay to;
        PhaseState state;
    };
    using enum PhaseState;
    const std::array<Span, 8> spans = {{{p[0], p[0] + 0.5, NewMoon},
                                        {p[0] + 0.5, p[1] - 0.25, WaxingCrescent},
                                        {p[1] - 0.25, p[1] + 0.25, FirstQuarter},
                                        {p[1] + 0.25, p[2] - 0.5, WaxingGibbous},
                                        {p[2] - 0.5, p[2] + 0.5, FullMoon},
                                        {p[2] + 0.5, p[3] - 0.25, WaningGibbous},
                                        {p[3] - 0.25, p[3] + 0.25, LastQuarter},
                                        {p[3] + 0.25, p[4] - 0.5, WaningCrescent}}};
    for (const Span& s : spans)
        if (s.from <= d && d < s.to)
            return s.state;
    return NewMoon; // from half a day before the next New Moon
}

std::array<DailyPhase, 31> MonthDailyPhases(int year, int month) {
    std::array<DailyPhase, 31> days{};
    const int n =
        GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    for (int d = 1; d <= n; ++d) {
        const PhaseDates dates = MonthPhaseDates(year, month, d);
        // The illuminated part at the day's local midnight, taken as universal time.
        days[static_cast<std::size_t>(d - 1)] = {CLP(dates.D, Observer{}).Percent,
                                                 DailyPhaseState(dates)};
    }
    return days;
}

} // namespace selvane
