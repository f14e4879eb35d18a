#pragma once
// A month of rise, transit, set and twilight texts, one row per day: what the time list
// shows and the time table prints.

#include "engine/localtime.h"

#include <array>
#include <cstdint>
#include <string>

namespace selvane {

// Each text is "hh:mm", "None" when the body does not reach the altitude that day, or, for
// the Moon only, "*****" when its event falls on another local date; at most 6 characters.
struct RiseTransitSet {
    std::string Transit;
    std::string Rise;
    std::string Set;
};

struct TwilightTimes {
    std::string Start;
    std::string End;
};

struct DayTimes {
    RiseTransitSet MoonTimes;
    RiseTransitSet SunTimes;
    std::int32_t Illumination = 0; // the Moon's illuminated percent at 0h UT of the day
    TwilightTimes CivilTwilight;
    TwilightTimes NauticalTwilight;
    TwilightTimes AstronomicalTwilight;
};

// Row d - 1 for day d; rows past the month's last day are left empty.
struct MonthTimeTable {
    std::array<DayTimes, 31> Days;
};

// The month's table for the observer, computed day by day as the main window computes the
// selected day.
MonthTimeTable FillMonthTimeTable(int year, int month, const Observer& observer);

// The month's table as comma-separated values: the header line
// "date,moonrise,moon_transit,moonset,illumination,astro_start,nautical_start,civil_start,
// sunrise,sun_transit,sunset,civil_end,nautical_end,astro_end" (one line), then one line per
// day with the date as yyyy-mm-dd, the texts as the table holds them and the illumination as
// "75%". Lines end with a line feed.
std::string MonthTimeTableCsv(int year, int month, const MonthTimeTable& table);

} // namespace selvane
