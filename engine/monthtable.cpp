#include "engine/monthtable.h"

#include "engine/riseset.h"
#include "engine/text.h"

#include <cstdio>

namespace selvane {

namespace {

constexpr std::size_t kTextLength = 6; // characters a table text keeps

std::string Cut(const std::string& text) {
    return Utf8Left(text, kTextLength);
}

TwilightTimes Twilight(const ClockTime& day, const Observer& observer, double altitude) {
    const auto t = CalcSolarRiseSet(day, observer, altitude);
    return {Cut(t[1]), Cut(t[2])};
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
        row.MoonTimes = {Cut(moon.Entries[0].Time), Cut(moon.Entries[1].Time),
                         Cut(moon.Entries[2].Time)};
        row.Illumination = moon.Percent;

        row.AstronomicalTwilight = Twilight(day, observer, kAstronomicalTwilight);
        row.NauticalTwilight = Twilight(day, observer, kNauticalTwilight);
        row.CivilTwilight = Twilight(day, observer, kCivilTwilight);
        const auto sun = CalcSolarRiseSet(day, observer, kSunriseAltitude);
        row.SunTimes = {Cut(sun[0]), Cut(sun[1]), Cut(sun[2])};
    }
    return table;
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
             {std::string(date), row.MoonTimes.Rise, row.MoonTimes.Transit, row.MoonTimes.Set,
              std::to_string(row.Illumination) + "%", row.AstronomicalTwilight.Start,
              row.NauticalTwilight.Start, row.CivilTwilight.Start, row.SunTimes.Rise,
              row.SunTimes.Transit, row.SunTimes.Set, row.CivilTwilight.End,
              row.NauticalTwilight.End, row.AstronomicalTwilight.End}) {
            out += field;
            out += ',';
        }
        out.back() = '\n';
    }
    return out;
}

} // namespace selvane
