// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/dailyphases.h"

#include "phasestatenames.h"

#include <gtest/gtest.h>

#include <tuple>

namespace selvane {
namespace {

TEST(MonthPhaseDates, QuarterPhasesAroundADay) {
    // Published instants (UT): New Moons 2024 Feb 9 22:59 and Mar 10 09:00, Full Moon Feb 24
    // 12:30; before 2000 the New Moons of 1999 Dec 7 22:32 and 2000 Jan 6 18:14.
    const PhaseDates march5 = MonthPhaseDates(2024, 3, 5);
    const PhaseDates dec31 = MonthPhaseDates(1999, 12, 31);
    EXPECT_EQ(march5.D, 2460374.5);
    for (const auto& [got, want] : {std::pair{march5.P[0], 2460350.4576},
                                    {march5.P[2], 2460365.0208},
                                    {march5.P[4], 2460379.8750},
                                    {dec31.P[0], 2451520.4389},
                                    {dec31.P[4], 2451550.2597}})
        EXPECT_NEAR(got, want, 0.002);
}

TEST(DailyPhaseState, EachStateStartsAtItsBoundAndEndsJustBeforeTheNext) {
    const std::array<JulianDay, 5> p = {0.0, 7.5, 15.0, 22.5, 30.0};
    using enum PhaseState;
    const std::pair<double, PhaseState> rows[] = {{0.0, NewMoon},
                                                  {0.4999, NewMoon},
                                                  {0.5, WaxingCrescent},
                                                  {7.0, WaxingCrescent},
                                                  {7.2499, WaxingCrescent},
                                                  {7.25, FirstQuarter},
                                                  {7.75, WaxingGibbous},
                                                  {14.4999, WaxingGibbous},
                                                  {14.5, FullMoon},
                                                  {15.5, WaningGibbous},
                                                  {22.25, LastQuarter},
                                                  {22.75, WaningCrescent},
                                                  {29.4999, WaningCrescent},
                                                  {29.5, NewMoon},
                                                  {31.0, NewMoon}};
    for (const auto& [at, state] : rows)
        EXPECT_EQ(DailyPhaseState({at, p}), state) << at;
}

TEST(MonthDailyPhases, MidnightsSixToTwelveHoursBeforeFirstQuarterShowTheCrescent) {
    // Published First Quarter instants (UT): a day whose midnight lies more than six hours
    // before one shows the waxing crescent, within six hours the quarter.
    struct Row {
        int Year, Month, Day;
        const char* FirstQuarter;
        PhaseState State;
    };
    const Row rows[] = {{2024, 5, 15, "11:48", PhaseState::WaxingCrescent},
                        {2023, 11, 20, "10:50", PhaseState::WaxingCrescent},
                        {2023, 2, 27, "08:06", PhaseState::WaxingCrescent},
                        {2024, 6, 14, "05:18", PhaseState::FirstQuarter},
                        {2024, 1, 18, "03:52", PhaseState::FirstQuarter}};
    for (const Row& r : rows)
        EXPECT_EQ(MonthDailyPhases(r.Year, r.Month)[static_cast<std::size_t>(r.Day - 1)].State,
                  r.State)
            << r.Year << "-" << r.Month << "-" << r.Day << ", First Quarter " << r.FirstQuarter;
}

TEST(MonthDailyPhases, March2024FromAHandComputationAtZeroHoursUT) {
    // Percent -1: only the state is known (a major phase falls that day).
    using enum PhaseState;
    const std::tuple<int, int, PhaseState> rows[] = {
        {1, 75, WaningGibbous},   {4, 46, WaningCrescent}, {10, -1, NewMoon},
        {13, 10, WaxingCrescent}, {17, -1, FirstQuarter},  {20, 77, WaxingGibbous},
        {25, -1, FullMoon}};
    const auto march = MonthDailyPhases(2024, 3);
    for (const auto& [day, percent, state] : rows) {
        const DailyPhase& got = march[static_cast<std::size_t>(day - 1)];
        if (percent >= 0) {
            EXPECT_EQ(got.Percent, percent) << day;
        }
        EXPECT_EQ(got.State, state) << day;
    }
    // A 28-day month leaves the last three rows empty.
    const auto february = MonthDailyPhases(2023, 2);
    auto sum = [](const DailyPhase& row) {
        return row.Percent + static_cast<int>(row.State);
    };
    EXPECT_NE(sum(february[27]), 0);
    for (std::size_t i = 28; i < 31; ++i)
        EXPECT_EQ(sum(february[i]), 0);
}

} // namespace
} // namespace selvane
