// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Local times under a zone whose offset changes: each instant in the offset in force then.

#include "engine/monthtable.h"
#include "engine/phases.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"

#include "testclocks.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

const Observer kGreenwich(51.4769, 0.0005, 0, BritishOffset);

double Minutes(const std::string& hhmm) {
    return std::stoi(hhmm.substr(0, 2)) * 60.0 + std::stoi(hhmm.substr(3, 2));
}

// Sunrise and sunset from PyEphem 4.1.4 (centre at -0:50, no refraction model), in the local
// time of the British clock: the days around the 2024 changes, the change days included.
TEST(NamedZone, SunAroundTheBritishClockChanges) {
    struct Day {
        int Month, Day;
        double Rise, Set; // minutes after local midnight
    };
    const Day days[] = {
        {3, 30, 5 * 60 + 39.02, 18 * 60 + 30.62},  {3, 31, 6 * 60 + 36.75, 19 * 60 + 32.30},
        {4, 1, 6 * 60 + 34.49, 19 * 60 + 33.97},   {10, 26, 7 * 60 + 43.62, 17 * 60 + 43.41},
        {10, 27, 6 * 60 + 45.38, 16 * 60 + 41.49}, {10, 28, 6 * 60 + 47.13, 16 * 60 + 39.59},
    };
    for (const Day& d : days) {
        const ClockTime date{2024, static_cast<std::uint16_t>(d.Month),
                             0,    static_cast<std::uint16_t>(d.Day),
                             12,   0,
                             0,    0};
        const auto times = CalcSolarRiseSet(date, kGreenwich, kSunriseAltitude);
        const std::string sun[] = {EventText(times[0]), EventText(times[1]), EventText(times[2])};
        EXPECT_NEAR(Minutes(sun[1]), d.Rise, 1.0) << d.Month << "-" << d.Day << " rise " << sun[1];
        EXPECT_NEAR(Minutes(sun[2]), d.Set, 1.0) << d.Month << "-" << d.Day << " set " << sun[2];
    }
}

TEST(NamedZone, EachPhaseInTheOffsetOfItsOwnInstant) {
    // March 2018 begins on GMT; its second Full Moon, 31 March about 12:37 UT, comes after the
    // change to summer time. October 2020 begins in summer time; its Full Moon of the 31st
    // comes after the change back.
    const MonthNames& names = EnglishMonthNames();
    const MonthPhases march = FindMonthPhases(2018, 3, kGreenwich, names);
    ASSERT_EQ(march.MajorPhaseCount, 5);
    const JulianDay firstFull = march.MajorPhaseTable[0].PhaseJD;
    const JulianDay secondFull = march.MajorPhaseTable[4].PhaseJD;
    EXPECT_EQ(march.Texts[0], JDToDateText(firstFull, names).Text);
    EXPECT_EQ(march.Texts[0].substr(7), "02 March 2018");
    EXPECT_EQ(march.Texts[4], JDToDateText(secondFull + 1.0 / 24.0, names).Text);
    EXPECT_EQ(march.Texts[4].substr(0, 3), "13:"); // 12:3x UT

    const MonthPhases october = FindMonthPhases(2020, 10, kGreenwich, names);
    const int last = october.MajorPhaseCount - 1;
    EXPECT_EQ(october.MajorPhaseTable[last].PhaseCode, "FM");
    EXPECT_EQ(october.Texts[last],
              JDToDateText(october.MajorPhaseTable[last].PhaseJD, names).Text); // GMT again
    EXPECT_EQ(october.Texts[0], JDToDateText(october.MajorPhaseTable[0].PhaseJD + 1.0 / 24.0,
                                             names)
                                    .Text); // the Full Moon of 1 October, in summer time
}

TEST(NamedZone, AFixedZoneFunctionGivesTheFixedOffsetsTexts) {
    // A zone that is always one hour ahead reads exactly as the fixed offset of one hour.
    const Observer fixed(52.52, -13.4, -60);
    const Observer zone(52.52, -13.4, -60, [](JulianDay) { return -60; });
    for (int month : {2, 6, 11}) {
        const MonthTimeTable a = FillMonthTimeTable(2024, month, fixed);
        const MonthTimeTable b = FillMonthTimeTable(2024, month, zone);
        for (std::size_t d = 0; d < 31; ++d) {
            EXPECT_EQ(a.Days[d].MoonTimes.Rise, b.Days[d].MoonTimes.Rise) << month << " " << d;
            EXPECT_EQ(a.Days[d].MoonTimes.Set, b.Days[d].MoonTimes.Set) << month << " " << d;
            EXPECT_EQ(a.Days[d].SunTimes.Rise, b.Days[d].SunTimes.Rise) << month << " " << d;
            EXPECT_EQ(a.Days[d].AstronomicalTwilight.End, b.Days[d].AstronomicalTwilight.End);
        }
    }
}

} // namespace
} // namespace selvane
