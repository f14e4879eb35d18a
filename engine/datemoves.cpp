// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/datemoves.h"

#include <algorithm>

namespace selvane {

namespace {

JulianDay MidnightOf(const CalendarDate& date) noexcept {
    return DateTimeToJD(date.Year, date.Month, date.Day, 0, 0, 0);
}

CalendarDate DateOf(const CalendarInstant& instant) noexcept {
    return {instant.Year, instant.Month, instant.Day};
}

} // namespace

CalendarDate DayInMonth(int year, int month, int day) noexcept {
    const int days =
        GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    return {year, month, std::min(day, days)};
}

CalendarDate MoveByDays(const CalendarDate& date, int days) noexcept {
    const JulianDay first = MidnightOf({kFirstYear, 1, 1});
    const JulianDay last = MidnightOf({kLastYear, 12, 31});
    const JulianDay day = std::clamp(MidnightOf(date) + days, first, last);
    return DateOf(JDToGregorianCalendar(day + 0.5)); // noon: no rounding at 0h
}

CalendarDate MoveByMonths(const CalendarDate& date, int months) noexcept {
    const int index = std::clamp(date.Year * 12 + (date.Month - 1) + months, kFirstYear * 12,
                                 kLastYear * 12 + 11);
    return DayInMonth(index / 12, index % 12 + 1, date.Day);
}

double DayOffsetTo(const CalendarDate& date, const ClockTime& present) noexcept {
    return DateTimeToJD(date.Year, date.Month, date.Day, present.Hour, present.Minute,
                        present.Second) -
           DateTimeToJD(present.Year, present.Month, present.Day, present.Hour, present.Minute,
                        present.Second);
}

CalendarDate DateAtOffset(const ClockTime& present, double dayOffset) noexcept {
    const JulianDay now = DateTimeToJD(present.Year, present.Month, present.Day, present.Hour,
                                       present.Minute, present.Second);
    // Back to a date with the inverse of DateTimeToJD, so that a date before 1582 stays the day
    // that was picked.
    const CalendarDate selected = DateOf(JDToGregorianCalendar(now + dayOffset));
    if (selected.Year > kLastYear)
        return {kLastYear, 12, 31};
    if (selected.Year < kFirstYear)
        return {kFirstYear, 1, 1};
    return selected;
}

} // namespace selvane
