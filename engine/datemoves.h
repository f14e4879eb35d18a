// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Moving the selected calendar date: by days, weeks, months and years within years 1 to 9999,
// and the day offset from the present that keeps a selection as the clock runs on.

#include "engine/timebase.h"

namespace selvane {

// The calendar's range, in years.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// A proleptic Gregorian date.
struct CalendarDate {
    int Year = kFirstYear;
    int Month = 1;
    int Day = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The date in a year and month with the given day number, or the month's last day when the
// month is shorter (31 January to February gives 28 or 29 February).
CalendarDate DayInMonth(int year, int month, int day) noexcept;

// The date `days` later (earlier when negative), held within 1 January 1 .. 31 December 9999.
CalendarDate MoveByDays(const CalendarDate& date, int days) noexcept;

// The same day `months` later (earlier when negative), or that month's last day; a move past
// January 1 or December 9999 stops in that month.
CalendarDate MoveByMonths(const CalendarDate& date, int months) noexcept;

// Days from a clock reading to `date` at the reading's time of day. Both instants take the one
// reading's time, so a selection made around midnight keeps its day.
double DayOffsetTo(const CalendarDate& date, const ClockTime& present) noexcept;

// The date `dayOffset` days from a clock reading; past either end of the range, that end's
// day (a selection following the clock stops there).
CalendarDate DateAtOffset(const ClockTime& present, double dayOffset) noexcept;

} // namespace selvane
