// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/phasestate.h"

#include "phasestatenames.h"

#include <gtest/gtest.h>

#include <utility>

namespace selvane {
namespace {

TEST(ChoosePhaseState, FollowsTheNearestMajorPhaseOfTheMonth) {
    // March 2024: Last Quarter on the 3rd, New Moon on the 10th, First Quarter on the 17th,
    // Full Moon on the 25th.
    const MonthPhases p = FindMonthPhases(2024, 3, Observer(), EnglishMonthNames());
    ASSERT_EQ(p.MajorPhaseTable[1].PhaseCode, "NM");
    const double nm = p.MajorPhaseTable[1].PhaseJD;
    using enum PhaseState;
    const std::pair<JulianDay, PhaseState> rows[] = {
        {nm, NewMoon},
        {nm - 0.5, NewMoon}, // exactly half a day before
        {nm + 0.5, NewMoon}, // and after
        {nm - 0.51, WaningCrescent},
        {nm + 0.51, WaxingCrescent},
        {p.MajorPhaseTable[3].PhaseJD, FullMoon},
        // On 1 March, before the month's first phase (Last Quarter on the 3rd), the state
        // follows from that phase with a large negative distance.
        {DateTimeToJD(2024, 3, 1, 0, 0, 0), WaningGibbous},
        // After the Full Moon of the 25th until the month ends.
        {DateTimeToJD(2024, 3, 31, 23, 0, 0), WaningGibbous}};
    for (const auto& [m, state] : rows)
        EXPECT_EQ(ChoosePhaseState(m, p), state) << std::fixed << m;
}

TEST(ChoosePhaseState, HalfWayMarksBetweenPhasesGoToTheEarlierOne) {
    MonthPhases p;
    p.MajorPhaseCount = 2;
    p.MajorPhaseTable[0] = {100.0, 0, "NM"};
    p.MajorPhaseTable[1] = {108.0, 1, "FQ"};
    using enum PhaseState;
    const std::pair<JulianDay, PhaseState> rows[] = {
        {104.0, WaxingCrescent},  // the tie goes to the New Moon: after it
        {104.01, WaxingCrescent}, // nearer the First Quarter: before it
        {107.6, FirstQuarter}};
    for (const auto& [m, state] : rows)
        EXPECT_EQ(ChoosePhaseState(m, p), state) << m;
    // A month without phases leaves the picture unshaded.
    EXPECT_EQ(ChoosePhaseState(104.0, MonthPhases{}), FullMoon);
}

} // namespace
} // namespace selvane
