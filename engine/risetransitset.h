// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rising, transit and setting of a body from its places on three consecutive days: the
// three-point interpolation and the iterated method of chapter 15 of Meeus, Astronomical
// Algorithms (2nd edition, pp. 101-104).

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
// h0 in radians, Theta0 the apparent sidereal time at the day's zero instant in degrees. The
// places are interpolated 67 s after each trial instant, a fixed stand-in for the book's
// Delta-T.
RiseSetTimes CalculateRiseSet(DaySeries ra, double latitude, double longitude, DaySeries dec,
                              double h0, double theta0,
                              CrossingCheck check = CrossingCheck::DriftGuard) noexcept;

// The transit alone, found as CalculateRiseSet finds it: for a day whose body the test at its
// middle declination says never crosses the altitude, but which crosses it all the same.
double CalculateTransit(DaySeries ra, double longitude, double theta0,
                        CrossingCheck check = CrossingCheck::DriftGuard) noexcept;

} // namespace selvane
