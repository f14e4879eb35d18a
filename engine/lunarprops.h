// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the Moon panel shows: illumination, distance, topocentric place, diameter, phase
// angle, age, apsides, and the position angle of the bright limb.

#include "engine/apsides.h"
#include "engine/lunar.h"
#include "engine/phases.h"
#include "engine/timebase.h"

#include <cstdint>
#include <string>

namespace selvane {

struct MoonRaDec {
    double RA = 0.0;  // apparent geocentric, degrees, in (-180, 180]
    double Dec = 0.0; // degrees
};

struct Topocentric {
    double RA = 0.0;  // degrees, not reduced
    double Dec = 0.0; // degrees
};

// Corrects a geocentric right ascension and declination for the observer's place on the Earth
// (height 30 m), chapter 40 p. 279. Parallax and hour angle in radians.
Topocentric ConvertToTopocentric(double ra, double dec, double parallaxRad, double hourAngleRad,
                                 double latitude) noexcept;

// The Moon panel for one local clock time.
struct MoonPanel {
    int Percent = 0; // illuminated fraction, whole percent
    MoonRaDec Geocentric;
    LunarPosition Position; // everything CLP gives
    MonthPhases Phases;     // the major phases of the clock's month
    Topocentric Topo;
    double TopoRAHours = 0.0;   // Normalize360(topocentric RA) / 15
    double Diameter = 0.0;      // apparent (topocentric) diameter, degrees
    std::string VisibleText;    // "68 %"
    std::string DistanceText;   // "368410 km"
    std::string PhaseAngleText; // "69º": whole degrees, halves to even
};

// The month's phase search followed by the Moon's data at the clock time.
MoonPanel CalculateSelvane(const ClockTime& clock, const Observer& observer,
                           const MonthNames& monthNames);

// Whole degrees (halves to even) and the degree mark, at most 6 characters.
std::string PhaseAngleText(double phaseAngle);

// The age of the Moon in whole days, hours and minutes, each truncated, never rounded up.
struct AgeFields {
    std::int64_t Days = 0;
    std::int64_t Hours = 0;   // 0 to 23
    std::int64_t Minutes = 0; // 0 to 59
};
AgeFields AgeOf(double ageDays) noexcept;

// The age of the Moon as "DDd HHh MMm": AgeOf's fields with two digits each.
std::string AgeText(double ageDays);

struct LunarProperties {
    double AgeDays = 0.0; // time since the latest New Moon
    JulianDay LatestNewMoon = 0.0;
    std::string AgeText;
    ApogeePerigee Apsides;
    std::string ApogeeDistanceText; // "406314 km"
    std::string PerigeeDistanceText;
};

LunarProperties CalculateLunarProperties(const ClockTime& clock, const Observer& observer,
                                         const MonthNames& monthNames);

// Position angle of the Moon's bright limb, degrees in [0, 360), from the Moon's and the
// Sun's right ascension and declination (degrees). (48.5) p. 346.
double BrightLimbAngle(double moonRA, double moonDec, double sunRA, double sunDec) noexcept;

// The local mean sidereal time as "hh:mm:ss", fields truncated, for a universal-time Julian
// Day and a west-positive longitude.
std::string SiderealClockText(JulianDay jd, double longitude);

// The same with its name before it: "LST: hh:mm:ss".
std::string LocalSiderealTimeText(JulianDay jd, double longitude);

} // namespace selvane
