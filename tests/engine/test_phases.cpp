// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/phases.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace selvane {
namespace {

struct Listed {
    std::string Code;
    std::string Text;
};

std::vector<Listed> List(int year, int month, int utOffset = 0) {
    const MonthPhases p =
        FindMonthPhases(year, month, Observer(0.0, 0.0, utOffset), EnglishMonthNames());
    std::vector<Listed> out;
    for (int i = 0; i < p.MajorPhaseCount; ++i)
        out.push_back({p.MajorPhaseTable[i].PhaseCode, p.Texts[i]});
    return out;
}

TEST(GetMoonJD, MeeusExamples49) {
    // k = 0 before the correction: the mean New Moon of 2000 January 6, 14:20.
    EXPECT_NEAR(getMoonJD(0, 0.0) - calculateMajorPhase(0, 0.0, 0.0), 2451550.09765, 0.5e-5);
    EXPECT_NEAR(getMoonJD(0, 0.0), 2451550.26025, 0.5e-5);
    // Example 49.a: the New Moon of 1977 February 18, 03:37.
    EXPECT_NEAR(getMoonJD(-283, 0.0), 2443192.6512, 0.5e-4);
    // Example 49.b: the Last Quarter of 2044 January 21, 23:48, printed as 2467636.49186. The
    // book adds terms already rounded to 1e-5 day; summed unrounded they give 2467636.491846.
    EXPECT_NEAR(getMoonJD(544.75, 0.75), 2467636.49186, 2e-5);
    EXPECT_EQ(JDToDateText(getMoonJD(544.75, 0.75), EnglishMonthNames()).Text,
              "23:48  21 January 2044");
    // k = -1 is one mean lunation earlier.
    EXPECT_NEAR(getMoonJD(-1, 0.0) - calculateMajorPhase(-1, 0.0, -1 / 1236.85),
                2451550.09765 - 29.530588853, 1e-6);
}

void ExpectListed(int year, int month, const std::vector<Listed>& want) {
    const std::vector<Listed> got = List(year, month);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].Code, want[i].Code);
        EXPECT_EQ(got[i].Text, want[i].Text);
    }
}

TEST(MonthPhases, March2024) {
    ExpectListed(2024, 3,
                 {{"LQ", "15:24  03 March 2024"},
                  {"NM", "09:01  10 March 2024"},
                  {"FQ", "04:11  17 March 2024"},
                  {"FM", "07:01  25 March 2024"}});
}

TEST(MonthPhases, January2000) {
    ExpectListed(2000, 1,
                 {{"NM", "18:14  06 January 2000"},
                  {"FQ", "13:35  14 January 2000"},
                  {"FM", "04:41  21 January 2000"},
                  {"LQ", "07:57  28 January 2000"}});
}

TEST(MonthPhases, MonthsHoldThreeToFivePhases) {
    // May 2024 has five; every February has at least three.
    EXPECT_EQ(List(2024, 5).size(), 5u);
    for (int year = 1990; year <= 2030; ++year) {
        const std::size_t n = List(year, 2).size();
        EXPECT_GE(n, 3u) << year;
        EXPECT_LE(n, 4u) << year;
    }
}

TEST(MonthPhases, UniversalTimeChoosesTheMonthLocalTimeTheText) {
    // The First Quarter of 2006 August 31, 22:57 UT, seen two hours east of Greenwich.
    const std::vector<Listed> august = List(2006, 8, -120);
    ASSERT_FALSE(august.empty());
    EXPECT_EQ(august.back().Code, "FQ");
    EXPECT_EQ(august.back().Text, "00:57  01 September 2006");
    const MonthPhases p = FindMonthPhases(2006, 8, Observer(0.0, 0.0, -120), EnglishMonthNames());
    const CalendarInstant& local = p.LocalTimes[p.MajorPhaseCount - 1];
    EXPECT_EQ(std::tie(local.Year, local.Month, local.Day, local.Hour, local.Minute),
              std::make_tuple(2006, 9, 1, 0, 57));
    const std::vector<Listed> september = List(2006, 9, -120);
    ASSERT_FALSE(september.empty());
    EXPECT_NE(september.front().Text, "00:57  01 September 2006");
}

// Every phase of every month in a span is listed once, in its own month, in order.
void ExpectNoPhaseMissed(int firstYear, int lastYear) {
    double previous = 0.0;
    int previousIndex = -1;
    for (int year = firstYear; year <= lastYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            const MonthPhases p = FindMonthPhases(year, month, Observer(), EnglishMonthNames());
            ASSERT_GE(p.MajorPhaseCount, 3) << year << "-" << month;
            const JulianDay start = DateTimeToJD(year, month, 1, 0, 0, 0);
            for (int i = 0; i < p.MajorPhaseCount; ++i) {
                const MajorPhaseEntry& e = p.MajorPhaseTable[i];
                EXPECT_GT(e.PhaseJD, start);
                EXPECT_LT(e.PhaseJD, start + 31.01);
                if (previousIndex >= 0) {
                    EXPECT_EQ(e.PhaseIndex, (previousIndex + 1) % 4) << year << "-" << month;
                    EXPECT_LT(e.PhaseJD - previous, 8.6) << year << "-" << month;
                }
                previous = e.PhaseJD;
                previousIndex = e.PhaseIndex;
            }
        }
}

TEST(MonthPhases, NoPhaseIsMissedNearYearOne) {
    ExpectNoPhaseMissed(1, 2);
}

TEST(MonthPhases, NoPhaseIsMissedNearYear9999) {
    ExpectNoPhaseMissed(9998, 9999);
}

TEST(MonthPhases, NoPhaseIsMissedAroundTheSwitchOfCalendarsAnd2000) {
    ExpectNoPhaseMissed(1582, 1583);
    ExpectNoPhaseMissed(1999, 2001);
}

} // namespace
} // namespace selvane
