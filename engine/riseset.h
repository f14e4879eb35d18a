#pragma once
// Rising, transit and setting of the Moon and the Sun, and the twilights.

#include "engine/constants.h"
#include "engine/localtime.h"

#include <array>
#include <string>

namespace selvane {

// A quantity sampled on three consecutive days; Current is a working slot.
struct DaySeries {
    double Current = 0.0;
    double Y1 = 0.0; // the day before
    double Y2 = 0.0; // the day
    double Y3 = 0.0; // the day after
};

// Marks an event that does not happen: all three fields when the body neither rises nor sets
// at the altitude that day, a single field when its iteration did not converge.
inline constexpr double kNoEvent = -99999.0;

// Fractions of a day from the instant whose sidereal time is Theta0.
struct RiseSetTimes {
    double Transit = kNoEvent;
    double Rise = kNoEvent;
    double Set = kNoEvent;
};

// The three-point interpolation (3.3) p. 25 at n days after the middle sample.
double Interpolate(const DaySeries& series, double n) noexcept;

// How CalculateRiseSet tells a converged crossing of this day from a wrong one.
enum class CrossingCheck {
    // The Sun: an iteration that drifts more than half a day from its start is no event.
    DriftGuard,
    // The Moon: a rise must cross with the hour angle negative (east of the meridian), a set
    // with it positive; the caller's neighbour-day repair handles what lands outside the day.
    Direction,
};

// Chapter 15: the three events from the right ascensions and declinations (degrees) on three
// days, iterated to convergence. Latitude and west-positive longitude in degrees, the altitude
// h0 in radians, Theta0 the apparent sidereal time at the day's zero instant in degrees.
RiseSetTimes CalculateRiseSet(DaySeries ra, double latitude, double longitude, DaySeries dec,
                              double h0, double theta0,
                              CrossingCheck check = CrossingCheck::DriftGuard) noexcept;

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

inline constexpr double kSunriseAltitude = kSunRiseSetAltitudeDeg;
inline constexpr double kCivilTwilight = -6.0;
inline constexpr double kNauticalTwilight = -12.0;
inline constexpr double kAstronomicalTwilight = -18.0;

} // namespace selvane
