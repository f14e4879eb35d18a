// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/moonevents.h"

#include "engine/apsides.h"
#include "engine/constants.h"
#include "engine/deltat.h"
#include "engine/numeric.h"
#include "engine/phases.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace selvane {

namespace {

constexpr MoonEventKind kPhaseKinds[] = {MoonEventKind::NewMoon, MoonEventKind::FirstQuarter,
                                         MoonEventKind::FullMoon, MoonEventKind::LastQuarter};

// Walks an index in steps of `step` from the last event not after `start` and keeps the events
// in (start, end]. `at(k)` gives the event of index k; events follow their indices in time.
// The mean instant of index 0 and the mean period only place the walk's first index near the
// span's start.
template <typename At>
void Walk(JulianDay start, JulianDay end, double firstMean, double period, double step, At at,
          std::vector<MoonEvent>& out) {
    double k = std::floor((start - firstMean) / period / step) * step - step;
    while (at(k).JD > start)
        k -= step;
    for (;; k += step) {
        const MoonEvent e = at(k);
        if (e.JD > end)
            break;
        if (e.JD > start)
            out.push_back(e);
    }
}

bool ByTime(const MoonEvent& a, const MoonEvent& b) {
    return a.JD < b.JD;
}

// The universal instant of a phase or apsis the book's series give in dynamical time: Delta-T
// earlier. The main window keeps the series' instant as it is; a calendar file's UTC is the
// sky's.
JulianDay UniversalOf(JulianDay jde) {
    return jde - DeltaTSecondsAt(jde) / kSecondsPerDay;
}

} // namespace

std::vector<MoonEvent> PhasesAndApsides(JulianDay start, JulianDay end) {
    std::vector<MoonEvent> out;
    Walk(
        start, end, kMeanNewMoonEpochJDE, kSynodicMonthDays, 0.25,
        [](double k) {
            const double phase = PhaseOf(k);
            MoonEvent e;
            e.Kind = kPhaseKinds[static_cast<std::size_t>(Trunc(phase * 4.0) % 4)];
            e.JD = UniversalOf(getMoonJD(k, phase));
            e.K = k;
            return e;
        },
        out);
    const std::size_t phases = out.size();
    Walk(
        start, end, kMeanPerigeeEpochJDE, kAnomalisticMonthDays, 0.5,
        [](double k) {
            const Apsis a = jdXgee(k);
            MoonEvent e;
            e.Kind = Frac(k) == 0.0 ? MoonEventKind::Perigee : MoonEventKind::Apogee;
            e.JD = UniversalOf(a.JD);
            e.Distance = a.Distance;
            e.K = k;
            return e;
        },
        out);
    std::inplace_merge(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(phases), out.end(),
                       ByTime);
    return out;
}

std::vector<MoonEvent> RisesAndSets(int year, int month, int day, int days,
                                    const Observer& observer) {
    std::vector<MoonEvent> out;
    // Noon of the first date: whole days later it is still noon, whatever the rounding.
    const JulianDay firstNoon = DateTimeToJD(year, month, day, 12, 0, 0);
    for (int i = 0; i < days; ++i) {
        const CalendarInstant date = JDToGregorianCalendar(firstNoon + i);
        ClockTime clock;
        clock.Year = static_cast<std::uint16_t>(date.Year);
        clock.Month = static_cast<std::uint16_t>(date.Month);
        clock.Day = static_cast<std::uint16_t>(date.Day);
        const LunarRiseSet moon = CalcLunarRiseSet(clock, observer);
        const JulianDay midnight = DateTimeToJD(date.Year, date.Month, date.Day, 0, 0, 0);
        for (auto [entry, kind] :
             {std::pair{1, MoonEventKind::Moonrise}, std::pair{2, MoonEventKind::Moonset}}) {
            // At the minute the window shows: a rise at 05:12:40 is written as 05:13:00. One
            // that reads "24:00", the next date's midnight, is not written for this date.
            const std::optional<int> minutes =
                ShownMinute(moon.Entries[static_cast<std::size_t>(entry)].Time);
            if (!minutes)
                continue;
            MoonEvent e;
            e.Kind = kind;
            e.JD = LocalToUniversal(midnight + *minutes / kMinutesPerDay, observer);
            e.LocalDate = {date.Year, date.Month, date.Day, 0, 0};
            out.push_back(e);
        }
    }
    std::stable_sort(out.begin(), out.end(), ByTime);
    return out;
}

std::vector<MoonEvent> MoonEventsOf(int year, int month, const Observer& observer,
                                    bool withRiseSet) {
    const bool wholeYear = month == kWholeYear;
    const int first = wholeYear ? 1 : month;
    const JulianDay start = DateTimeToJD(year, first, 1, 0, 0, 0);
    const JulianDay end = wholeYear || month == 12 ? DateTimeToJD(year + 1, 1, 1, 0, 0, 0)
                                                   : DateTimeToJD(year, month + 1, 1, 0, 0, 0);
    std::vector<MoonEvent> out = PhasesAndApsides(start, end);
    if (withRiseSet) {
        const int days = static_cast<int>(std::lround(end - start));
        const std::vector<MoonEvent> daily = RisesAndSets(year, first, 1, days, observer);
        const std::size_t middle = out.size();
        out.insert(out.end(), daily.begin(), daily.end());
        std::inplace_merge(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(middle),
                           out.end(), ByTime);
    }
    return out;
}

} // namespace selvane
