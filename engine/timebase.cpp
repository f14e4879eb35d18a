// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/timebase.h"

#include "engine/numeric.h"
#include "engine/text.h"

#include <cmath>
#include <cstdio>

namespace selvane {

const MonthNames& EnglishMonthNames() {
    static const MonthNames names = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};
    return names;
}

JulianDay DateTimeToJD(int year, int month, int day, int hour, int minute, int second) noexcept {
    const double f = day + (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    if (month <= 2) {
        month += 12;
        year -= 1;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    return static_cast<double>(Trunc(365.25 * year)) +
           static_cast<double>(Trunc(30.6001 * (month + 1))) + f + 1720994.5 + b;
}

namespace {

// Chapter 7 p. 63; the Gregorian correction is applied from 1582 October 15 on, or always.
CalendarInstant FromJD(JulianDay jd, bool gregorianAlways) noexcept {
    const std::int64_t z = Trunc(jd + 0.5);
    const double f = (jd + 0.5) - static_cast<double>(z);
    std::int64_t a = z;
    if (gregorianAlways || z > 2299160) {
        const std::int64_t alpha = Trunc((static_cast<double>(z) - 1867216.25) / 36524.25);
        a = z + 1 + alpha - Trunc(alpha / 4.0);
    }
    const std::int64_t b = a + 1524;
    const std::int64_t c = Trunc((static_cast<double>(b) - 122.1) / 365.25);
    const std::int64_t d = Trunc(365.25 * static_cast<double>(c));
    const std::int64_t e = Trunc(static_cast<double>(b - d) / 30.6001);

    const double dayWithFraction =
        static_cast<double>(b - d) - Int(30.6001 * static_cast<double>(e)) + f;
    CalendarInstant out;
    out.Day = static_cast<int>(Trunc(dayWithFraction));
    out.Month = static_cast<int>(e > 13 ? e - 13 : e - 1);
    out.Year = static_cast<int>(out.Month > 2 ? c - 4716 : c - 4715);

    const double hours = kHoursPerDay * (dayWithFraction - out.Day);
    out.Hour = static_cast<int>(Trunc(hours));
    out.Minute = static_cast<int>(Trunc(60.0 * (hours - out.Hour)));
    return out;
}

} // namespace

CalendarInstant JDToCalendar(JulianDay jd) noexcept {
    return FromJD(jd, false);
}

CalendarInstant JDToGregorianCalendar(JulianDay jd) noexcept {
    return FromJD(jd, true);
}

std::string HourMinuteText(const CalendarInstant& instant) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", instant.Hour, instant.Minute);
    return text;
}

DateText JDToDateText(JulianDay jd, const MonthNames& monthNames) {
    const CalendarInstant c = JDToCalendar(jd);
    char day[16];
    std::snprintf(day, sizeof day, "  %02d ", c.Day);
    char year[8];
    std::snprintf(year, sizeof year, " %04d", c.Year);
    const std::string& month = (c.Month >= 1 && c.Month <= 12) ? monthNames[c.Month - 1] : "";

    DateText out;
    out.Year = static_cast<std::uint16_t>(c.Year);
    out.Month = static_cast<std::uint16_t>(c.Month);
    out.Day = static_cast<std::uint16_t>(c.Day);
    out.Text = Utf8Left(HourMinuteText(c) + day + month + year, 30);
    return out;
}

int MonthFirstColumn(int year, int month, int dayOrder) noexcept {
    // The weekday of the 1st, 0 = Sunday: the Julian Day number of noon counts from a Monday.
    const JulianDay first = DateTimeToJD(year, month, 1, 12, 0, 0);
    const int weekday = static_cast<int>(std::fmod(std::floor(first) + 1.0, 7.0));
    return ((weekday - dayOrder % 7) % 7 + 7) % 7;
}

std::uint8_t GetDaysInMonth(std::uint16_t month, std::uint16_t year) noexcept {
    static constexpr std::uint8_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year % 4 == 0 && (year % 100 != 0 || year % 400 == 0))
        return 29;
    return lengths[(month - 1) % 12];
}

} // namespace selvane
