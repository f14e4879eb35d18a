// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/datemoves.h"

#include <gtest/gtest.h>

#include <ostream>

namespace selvane {

std::ostream& operator<<(std::ostream& out, const CalendarDate& d) {
    return out << d.Year << "-" << d.Month << "-" << d.Day;
}

namespace {

struct Move {
    CalendarDate From;
    int By;
    CalendarDate To;
};

TEST(MoveByDays, AcrossMonthsLeapDaysAndTheCalendarsEnds) {
    const Move rows[] = {
        {{2024, 3, 15}, 1, {2024, 3, 16}},   {{2024, 3, 15}, -7, {2024, 3, 8}},
        {{2024, 3, 28}, 7, {2024, 4, 4}},    {{2024, 3, 1}, -1, {2024, 2, 29}},
        {{2023, 3, 1}, -1, {2023, 2, 28}},   {{1900, 2, 28}, 1, {1900, 3, 1}},
        {{2023, 12, 31}, 1, {2024, 1, 1}},   {{1582, 10, 4}, 1, {1582, 10, 5}}, // proleptic
        {{1, 1, 1}, -1, {1, 1, 1}},          {{1, 1, 5}, -7, {1, 1, 1}},
        {{9999, 12, 31}, 1, {9999, 12, 31}}, {{9999, 12, 28}, 7, {9999, 12, 31}},
    };
    for (const Move& m : rows)
        EXPECT_EQ(MoveByDays(m.From, m.By), m.To) << m.From << " " << m.By;
}

TEST(MoveByMonths, TheSameDayOrTheMonthsLast) {
    const Move rows[] = {
        {{2024, 1, 31}, 1, {2024, 2, 29}},   {{2023, 3, 31}, -1, {2023, 2, 28}},
        {{2024, 3, 31}, 1, {2024, 4, 30}},   {{2023, 12, 15}, 1, {2024, 1, 15}},
        {{2024, 2, 29}, 12, {2025, 2, 28}},  {{2024, 2, 29}, -12, {2023, 2, 28}},
        {{1, 6, 15}, -12, {1, 1, 15}},       {{9999, 12, 20}, 1, {9999, 12, 20}},
        {{9999, 6, 30}, 12, {9999, 12, 30}},
    };
    for (const Move& m : rows)
        EXPECT_EQ(MoveByMonths(m.From, m.By), m.To) << m.From << " " << m.By;
    EXPECT_EQ(DayInMonth(2100, 2, 29), (CalendarDate{2100, 2, 28})); // not a leap year
}

TEST(DayOffsetTo, WholeDaysFromThePresentAndBack) {
    // Day counts from 14 March 2024 in the proleptic Gregorian calendar.
    const ClockTime present{2024, 3, 4, 14, 12, 0, 0, 0};
    const std::pair<CalendarDate, double> rows[] = {
        {{2024, 3, 24}, 10.0},      {{2024, 2, 14}, -29.0},    {{2000, 1, 1}, -8839.0},
        {{1582, 10, 4}, -161234.0}, {{1000, 7, 4}, -373897.0}, {{1, 1, 1}, -738958.0},
        {{9999, 12, 31}, 2913100.0}};
    for (const auto& [date, days] : rows) {
        EXPECT_EQ(DayOffsetTo(date, present), days) << date;
        EXPECT_EQ(DateAtOffset(present, days), date) << date;
    }
    // The selection follows the clock across midnight, and stops at the calendar's ends.
    EXPECT_EQ(DateAtOffset({2024, 3, 0, 31, 23, 59, 59, 0}, 1.0), (CalendarDate{2024, 4, 1}));
    EXPECT_EQ(DateAtOffset({9999, 12, 5, 31, 12, 0, 0, 0}, 1.0), (CalendarDate{9999, 12, 31}));
    EXPECT_EQ(DateAtOffset({1, 1, 1, 1, 12, 0, 0, 0}, -1.0), (CalendarDate{1, 1, 1}));
}

} // namespace
} // namespace selvane
