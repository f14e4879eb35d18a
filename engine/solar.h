// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Sun's apparent position from the truncated VSOP87 series for the Earth.

#include "engine/localtime.h"

namespace selvane {

struct SolarResult {
    double RA = 0.0;                 // apparent right ascension, degrees, in (-180, 180]
    double Dec = 0.0;                // apparent declination, degrees
    double Azimuth = 0.0;            // degrees from north through east, [0, 360)
    double Altitude = 0.0;           // geometric altitude, degrees (no refraction)
    double NutationInRA = 0.0;       // delta-psi * cos(epsilon), arcseconds
    double Radius = 0.0;             // Earth-Sun distance, AU
    double GeometricLongitude = 0.0; // geocentric, from VSOP87 before the FK5 correction, degrees
    double ApparentLongitude = 0.0;  // with FK5 correction, aberration and nutation, degrees
};

// The Sun's apparent geocentric place at the Julian Day at which the series is evaluated,
// without an observer: chapter 25, "higher accuracy" p. 166.
struct SunGeocentric {
    double RA = 0.0;                 // apparent right ascension, degrees, in (-180, 180]
    double Dec = 0.0;                // apparent declination, degrees
    double Radius = 0.0;             // Earth-Sun distance, AU
    double GeometricLongitude = 0.0; // geocentric, from VSOP87 before the FK5 correction, degrees
    double ApparentLongitude = 0.0;  // with FK5 correction, aberration and nutation, degrees
    double DeltaPsi = 0.0;           // nutation in longitude, degrees
    double Epsilon = 0.0;            // true obliquity, degrees
};
SunGeocentric SunApparentGeocentric(JulianDay jd) noexcept;

// The Sun at a universal-time Julian Day for an observer (latitude, west-positive longitude).
// Chapter 25, "higher accuracy" p. 166, and (13.5), (13.6) p. 93 for azimuth and altitude.
SolarResult SolarPositionAt(JulianDay jd, const Observer& observer) noexcept;

// The Sun at a local clock time: the instant is the clock's universal-time Julian Day.
SolarResult SolarPosition(const ClockTime& clock, const Observer& observer) noexcept;

} // namespace selvane
