#pragma once
// Rising, transit and setting of the Moon and the Sun, and the twilights, on a local calendar
// date: the chapter 15 method (engine/risetransitset.h) fed with each body's places and its
// results brought onto the local clock.

#include "engine/localtime.h"

#include <array>
#include <string>

namespace selvane {

inline constexpr const char* kNoneText = "None";      // never rises or sets that day
inline constexpr const char* kOtherDayText = "*****"; // a Moon event not on this local date

struct MoonRiseSetEntry {
    std::string Title; // "Transit:", "Moonrise:", "Moonset:"
    std::string Time;  // "hh:mm", "None" or "*****"
};

struct LunarRiseSet {
    std::array<MoonRiseSetEntry, 3> Entries; // transit, rise, set
    int Percent = 0;                         // illuminated percent at 0h UT of the date
};

// The Moon's events on the local calendar date of the clock time.
LunarRiseSet CalcLunarRiseSet(const ClockTime& clock, const Observer& observer);

// The entries in clock order as the window lists them ("*****" before any time).
std::array<MoonRiseSetEntry, 3> SortedByTime(std::array<MoonRiseSetEntry, 3> entries);

// The Sun's transit, rise and set (or twilight start and end) on the local date of the clock
// time, for the altitude in degrees (-0.8333, -6, -12, -18).
std::array<std::string, 3> CalcSolarRiseSet(const ClockTime& clock, const Observer& observer,
                                            double altitude);

inline constexpr double kSunriseAltitude = -0.8333;
inline constexpr double kCivilTwilight = -6.0;
inline constexpr double kNauticalTwilight = -12.0;
inline constexpr double kAstronomicalTwilight = -18.0;

} // namespace selvane
