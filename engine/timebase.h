// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The engine's one time scale and the calendar conversions.
//
// Universal time comes from the local clock, the configured zone and the daylight-saving
// flag; no Delta-T is applied anywhere. Series published for dynamical time are evaluated
// with this universal-time Julian Day.

#include <array>
#include <cstdint>
#include <string>

namespace selvane {

// Days in the astronomical Julian Day scale (2451545.0 is 2000 January 1, 12:00).
using JulianDay = double;

// A local wall-clock reading. DayOfWeek counts from 0 = Sunday and is not used by the engine.
struct ClockTime {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t DayOfWeek = 0;
    std::uint16_t Day = 0;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Milliseconds = 0;
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// Full month names, January first, in UTF-8; the program passes the locale's.
using MonthNames = std::array<std::string, 12>;

// The English names, for tests and as a fallback.
const MonthNames& EnglishMonthNames();

// Calendar date and time to Julian Day, proleptic Gregorian for every date.
// (7.1) p. 61, without the switch to the Julian calendar.
JulianDay DateTimeToJD(int year, int month, int day, int hour, int minute, int second) noexcept;

// Julian Day back to a calendar date (the Julian calendar before 1582 October 15),
// chapter 7 p. 63. Hour and minute are truncated, never rounded up.
struct CalendarInstant {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
};
CalendarInstant JDToCalendar(JulianDay jd) noexcept;

// The inverse of DateTimeToJD: the proleptic Gregorian date for every Julian Day.
CalendarInstant JDToGregorianCalendar(JulianDay jd) noexcept;

// JDToCalendar with the display text "hh:mm  dd mmmm yyyy" (at most 30 characters),
// for example "14:37  05 March 2024".
struct DateText {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::string Text;
};
DateText JDToDateText(JulianDay jd, const MonthNames& monthNames);

// The time of day of an instant as "hh:mm", the head of its date text.
std::string HourMinuteText(const CalendarInstant& instant);

// The Gregorian length of a month (1..12) in days.
std::uint8_t GetDaysInMonth(std::uint16_t month, std::uint16_t year) noexcept;

// The column of a month's first day in a calendar of seven columns whose first column is the
// weekday `dayOrder` (0 = Sunday .. 6 = Saturday); the calendar is proleptic Gregorian.
int MonthFirstColumn(int year, int month, int dayOrder) noexcept;

} // namespace selvane
