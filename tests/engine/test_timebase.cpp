// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/numeric.h"
#include "engine/timebase.h"

#include <gtest/gtest.h>

#include <tuple>

namespace selvane {
namespace {

struct JdCase {
    int y, mo, d, h, mi, s;
    double jd;
};

TEST(DateTimeToJD, MeeusChapter7Examples) {
    // Example 7.a and the table of chapter 7 p. 62.
    const JdCase cases[] = {
        {2000, 1, 1, 12, 0, 0, 2451545.0}, {1987, 6, 19, 12, 0, 0, 2446966.0},
        {1999, 1, 1, 0, 0, 0, 2451179.5},  {1957, 10, 4, 19, 26, 24, 2436116.31},
        {1988, 1, 27, 0, 0, 0, 2447187.5}, {1600, 12, 31, 0, 0, 0, 2305812.5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DateTimeToJD(c.y, c.mo, c.d, c.h, c.mi, c.s), c.jd, 5e-6)
            << c.y << "-" << c.mo << "-" << c.d;
}

TEST(DateTimeToJD, IsGregorianBefore1582ButJDToCalendarIsJulian) {
    // Read as a Gregorian date; the inverse applies the Julian calendar before 1582-10-15.
    const JulianDay jd = DateTimeToJD(1582, 10, 4, 0, 0, 0);
    EXPECT_DOUBLE_EQ(jd, 2299149.5);
    const CalendarInstant c = JDToCalendar(jd);
    EXPECT_EQ(c.Year, 1582);
    EXPECT_EQ(c.Month, 9);
    EXPECT_EQ(c.Day, 24);

    // The Gregorian inverse gives the date back.
    const CalendarInstant back = JDToGregorianCalendar(jd);
    EXPECT_EQ(back.Month, 10);
    EXPECT_EQ(back.Day, 4);

    // From 1582 October 15 on, both directions agree.
    const CalendarInstant g = JDToCalendar(DateTimeToJD(1582, 10, 15, 0, 0, 0));
    EXPECT_EQ(g.Year, 1582);
    EXPECT_EQ(g.Month, 10);
    EXPECT_EQ(g.Day, 15);
}

TEST(DateTimeToJD, RoundTripsEveryDayOfTheYearsAUserCanEnter) {
    for (int year : {1, 4, 100, 1000, 1500, 1582, 1600, 1900, 2000, 2024, 2100, 9999}) {
        JulianDay jd = DateTimeToJD(year, 1, 1, 0, 0, 0);
        for (int i = 0; i < 366; ++i, jd += 1.0) {
            const CalendarInstant c = JDToGregorianCalendar(jd + 0.75);
            if (c.Year != year)
                break;
            ASSERT_DOUBLE_EQ(DateTimeToJD(c.Year, c.Month, c.Day, 0, 0, 0), jd)
                << year << " +" << i;
            ASSERT_EQ(c.Hour, 18);
            if (year >= 1600) { // the split calendar agrees once it is Gregorian
                ASSERT_EQ(JDToCalendar(jd).Day, c.Day);
            }
        }
    }
}

TEST(JDToDateText, WritesTimeTwoSpacesAndDate) {
    const DateText t = JDToDateText(2451545.0, EnglishMonthNames());
    EXPECT_EQ(t.Year, 2000);
    EXPECT_EQ(t.Month, 1);
    EXPECT_EQ(t.Day, 1);
    EXPECT_EQ(t.Text, "12:00  01 January 2000");
}

TEST(JDToDateText, TruncatesNeverShowing2400) {
    EXPECT_EQ(JDToDateText(2451546.49999, EnglishMonthNames()).Text, "23:59  02 January 2000");
    // One second before midnight stays on the day.
    const JulianDay lastSecond = DateTimeToJD(2024, 2, 29, 23, 59, 59);
    EXPECT_EQ(JDToDateText(lastSecond, EnglishMonthNames()).Text, "23:59  29 February 2024");
}

TEST(JDToDateText, PadsTheYearToFourDigitsAndTakesTheMonthNamesGiven) {
    MonthNames german = EnglishMonthNames();
    german[2] = "M\u00e4rz";
    EXPECT_EQ(JDToDateText(DateTimeToJD(2024, 3, 5, 14, 37, 0), german).Text,
              "14:37  05 M\u00e4rz 2024");
    EXPECT_EQ(JDToDateText(DateTimeToJD(999, 7, 9, 6, 5, 0), EnglishMonthNames()).Text.substr(7),
              "04 July 0999"); // 999-07-09 Gregorian is 999-07-04 Julian
}

TEST(JDToDateText, CutsAtThirtyCharactersNotInsideACharacter) {
    MonthNames longNames;
    longNames.fill(std::string(20, 'x') + "\u00e9\u00e9");
    const std::string text = JDToDateText(2451545.0, longNames).Text;
    EXPECT_EQ(text, "12:00  01 " + std::string(20, 'x')); // 30 characters
}

TEST(Numeric, RoundsHalvesToEvenAndNormalizes) {
    EXPECT_EQ(Round(368409.5), 368410.0);
    EXPECT_EQ(Round(368410.5), 368410.0);
    EXPECT_EQ(Round(-2.5), -2.0);
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
    EXPECT_DOUBLE_EQ(Normalize360(-10.0), 350.0);
    EXPECT_DOUBLE_EQ(Normalize360(720.0), 0.0);
    EXPECT_DOUBLE_EQ(Normalize360(359.9999), 359.9999);
    EXPECT_LT(Normalize360(-1e-14), 360.0);
    EXPECT_DOUBLE_EQ(RadToDeg(ArcSin(1.0 + 1e-15)), 90.0);
    EXPECT_DOUBLE_EQ(RadToDeg(ArcCos(-1.0 - 1e-15)), 180.0);
}

TEST(GetDaysInMonth, GregorianLeapYears) {
    for (auto [month, year, days] :
         {std::tuple{2, 1900, 28}, std::tuple{2, 2100, 28}, std::tuple{2, 2000, 29},
          std::tuple{2, 2004, 29}, std::tuple{2, 2023, 28}, std::tuple{12, 2023, 31},
          std::tuple{4, 2023, 30}, std::tuple{2, 9996, 29}, std::tuple{2, 1, 28}})
        EXPECT_EQ(
            GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year)),
            days)
            << year << "-" << month;
}

TEST(MonthFirstColumn, WeekdayOfTheFirstCountedFromTheCalendarsFirstColumn) {
    // 1 March 2024 is a Friday, 1 February 2026 a Sunday, 1 January 2000 a Saturday, 1 January
    // of year 1 (proleptic Gregorian) a Monday, 15 October 1582 a Friday, 1 December 9999 a
    // Wednesday.
    struct Row {
        int Year, Month, DayOrder, Column;
    };
    const Row rows[] = {{2024, 3, 0, 5}, {2024, 3, 1, 4},  {2024, 3, 6, 6},  {2026, 2, 0, 0},
                        {2026, 2, 1, 6}, {2000, 1, 0, 6},  {2000, 1, 6, 0},  {1, 1, 0, 1},
                        {1, 1, 1, 0},    {1582, 10, 0, 5}, {9999, 12, 0, 3}, {9999, 12, 3, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(MonthFirstColumn(r.Year, r.Month, r.DayOrder), r.Column)
            << r.Year << "-" << r.Month << " from " << r.DayOrder;
}

} // namespace
} // namespace selvane
