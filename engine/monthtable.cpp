// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/monthtable.h"

#include "engine/riseset.h"
#include "engine/risesettext.h"

#include <cstdio>

namespace selvane {

namespace {

TwilightTimes Twilight(const ClockTime& day, const Observer& observer, double altitude) {
    const auto t = CalcSolarRiseSet(day, observer, altitude);
    return {t[1], t[2]};
}

} // namespace

MonthTimeTable FillMonthTimeTable(int year, int month, const Observer& observer) {
    MonthTimeTable table;
    const int days =
        GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    ClockTime day;
    day.Year = static_cast<std::uint16_t>(year);
    day.Month = static_cast<std::uint16_t>(month);
    for (int d = 1; d <= days; ++d) {
        day.Day = static_cast<std::uint16_t>(d);
        DayTimes& row = table.Days[static_cast<std::size_t>(d - 1)];

        const LunarRiseSet moon = CalcLunarRiseSet(day, observer);
        row.MoonTimes = {moon.Entries[0].Time, moon.Entries[1].Time, moon.Entries[2].Time};
        row.Illumination = moon.Percent;

        row.AstronomicalTwilight = Twilight(day, observer, kAstronomicalTwilight);
        row.NauticalTwilight = Twilight(day, observer, kNauticalTwilight);
        row.CivilTwilight = Twilight(day, observer, kCivilTwilight);
        const auto sun = CalcSolarRiseSet(day, observer, kSunriseAltitude);
        row.SunTimes = {sun[0], sun[1], sun[2]};
    }
    return table;
}

std::string TableText(const EventTime& event) {
    return EventText(event, kTableTextLength);
}

std::string MonthTimeTableCsv(int year, int month, const MonthTimeTable& table) {
    std::string out = "date,moonrise,moon_transit,moonset,illumination,astro_start,"
                      "nautical_start,civil_start,sunrise,sun_transit,sunset,civil_end,"
                      "nautical_end,astro_end\n";
    const int days =
        GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    for (int d = 1; d <= days; ++d) {
        const DayTimes& row = table.Days[static_cast<std::size_t>(d - 1)];
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, d);
        for (const std::string& field :
             {std::string(date), TableText(row.MoonTimes.Rise), TableText(row.MoonTimes.Transit),
              TableText(row.MoonTimes.Set), std::to_string(row.Illumination) + "%",
              TableText(row.AstronomicalTwilight.Start), TableText(row.NauticalTwilight.Start),
              TableText(row.CivilTwilight.Start), TableText(row.SunTimes.Rise),
              TableText(row.SunTimes.Transit), TableText(row.SunTimes.Set),
              TableText(row.CivilTwilight.End), TableText(row.NauticalTwilight.End),
              TableText(row.AstronomicalTwilight.End)}) {
            out += field;
            out += ',';
        }
        out.back() = '\n';
    }
    return out;
}

} // namespace selvane
