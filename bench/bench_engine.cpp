// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the engine work behind the main window's one-second tick, the month's time list,
// the calendar file and the year's great events.

#include "engine/greatevents.h"
#include "engine/icalendar.h"
#include "engine/lunarprops.h"
#include "engine/monthtable.h"
#include "engine/riseset.h"
#include "engine/solar.h"

#include <benchmark/benchmark.h>

namespace {

using namespace selvane;

const Observer kGreenwich{51.4769, 0.0, 0};
// Madrid on a fixed clock one hour east of Greenwich.
const Observer kMadrid{40.4168, 3.7038, -60};
// Where the Moon stays up or down for days each month and grazes the horizon between.
const Observer kSeventyNorth{70.0, -25.0, -60};

// Everything the engine computes for one tick of the main window.
void BM_tick(benchmark::State& state) {
    ClockTime clock{2024, 3, 5, 15, 12, 0, 0, 0};
    for (auto _ : state) {
        clock.Second = static_cast<std::uint16_t>((clock.Second + 1) % 60);
        const MoonPanel panel = CalculateSelvane(clock, kGreenwich, EnglishMonthNames());
        const SolarResult sun = SolarPosition(clock, kGreenwich);
        benchmark::DoNotOptimize(
            BrightLimbAngle(panel.Geocentric.RA, panel.Geocentric.Dec, sun.RA, sun.Dec));
        benchmark::DoNotOptimize(CalculateLunarProperties(clock, kGreenwich, EnglishMonthNames()));
        benchmark::DoNotOptimize(CalcLunarRiseSet(clock, kGreenwich));
        for (double altitude :
             {kSunriseAltitude, kCivilTwilight, kNauticalTwilight, kAstronomicalTwilight})
            benchmark::DoNotOptimize(CalcSolarRiseSet(clock, kGreenwich, altitude));
        benchmark::DoNotOptimize(
            LocalSiderealTimeText(UniversalJD(clock, 0), kGreenwich.Longitude));
    }
}
BENCHMARK(BM_tick)->Unit(benchmark::kMicrosecond);

// The 31 days of a time-list month: the Moon's events and the Sun at four altitudes per day.
void BM_month_table(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FillMonthTimeTable(2024, 3, kGreenwich));
}
BENCHMARK(BM_month_table)->Unit(benchmark::kMillisecond);

// The same month at 70 N, where many of the Moon's days need the horizon searched directly.
void BM_month_table_70N(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FillMonthTimeTable(2024, 3, kSeventyNorth));
}
BENCHMARK(BM_month_table_70N)->Unit(benchmark::kMillisecond);

// A year's calendar file: the phases and apsides (argument 0), with each day's moonrise and
// moonset as well (argument 1).
void BM_year_calendar(benchmark::State& state) {
    const bool withRiseSet = state.range(0) != 0;
    const CalendarInfo info{"-//Selvane//Selvane 1.13//EN", "Selvane Moon 2025",
                            "selvane.example.org",          2460800.5,
                            PlaceKey(kGreenwich),           ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MoonCalendar(MoonEventsOf(2025, kWholeYear, kGreenwich, withRiseSet), info));
}
BENCHMARK(BM_year_calendar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A year's eclipses (with the place's local circumstances), supermoons and blue moons: what
// the window computes when the shown year changes, never in the tick. Madrid's 2026 has two
// solar eclipses (one seen there), two lunar ones, a blue moon and a supermoon.
void BM_year_great_events(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MoonGreatEvents(2026, kWholeYear, kMadrid));
}
BENCHMARK(BM_year_great_events)->Unit(benchmark::kMillisecond);

} // namespace
