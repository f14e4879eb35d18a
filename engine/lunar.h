// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's apparent position, distance and illuminated fraction.

#include "engine/localtime.h"

#include <cstdint>

namespace selvane {

struct LunarPosition {
    double RA = 0.0;           // apparent geocentric right ascension, degrees, in (-180, 180]
    double Dec = 0.0;          // apparent geocentric declination, degrees
    std::int32_t Distance = 0; // centre of Earth to centre of Moon, whole km (halves to even)
    double HourAngle = 0.0;    // local hour angle, radians, [0, 2 pi)
    double NutationInRA = 0.0; // delta-psi * cos(epsilon), arcseconds
    double Altitude = 0.0;     // geocentric, degrees, no refraction
    double Azimuth = 0.0;      // degrees from north through east, [0, 360)
    double PhaseAngle = 0.0;   // Sun-Moon-Earth angle, degrees (0 at Full Moon)
    double Parallax = 0.0;     // equatorial horizontal parallax, degrees
    int Percent = 0;           // illuminated fraction of the disc, whole percent 0..100

    double Longitude = 0.0; // apparent ecliptic longitude, degrees, not reduced
    double Latitude = 0.0;  // ecliptic latitude, degrees
    double DeltaPsi = 0.0;  // nutation in longitude, degrees
    double Epsilon = 0.0;   // true obliquity, degrees
};

// The Moon's apparent geocentric place, without an observer and with the distance unrounded:
// what CLP computes first, and what the eclipses take at a Julian Day of dynamical time.
struct MoonGeocentric {
    double Longitude = 0.0;   // apparent ecliptic longitude, degrees, not reduced
    double Latitude = 0.0;    // ecliptic latitude, degrees
    double Distance = 0.0;    // centre of Earth to centre of Moon, km
    double RA = 0.0;          // apparent right ascension, degrees, in (-180, 180]
    double Dec = 0.0;         // apparent declination, degrees
    double DeltaPsi = 0.0;    // nutation in longitude, degrees
    double Epsilon = 0.0;     // true obliquity, degrees
    double MeanAnomaly = 0.0; // the Moon's mean anomaly M', radians, in [0, 2 pi)
};

// Chapter 47 with the complete Tables 47.A and 47.B and the first edition's mean elements, for
// the Julian Day at which the series is evaluated.
MoonGeocentric MoonApparentGeocentric(JulianDay jd) noexcept;

// The Moon at a universal-time Julian Day for an observer: chapter 47 with the complete
// Tables 47.A and 47.B and the first edition's mean elements; phase angle after chapter 48
// with a low-precision Sun referred to 1900 January 0.5.
LunarPosition CLP(JulianDay jd, const Observer& observer) noexcept;

} // namespace selvane
