// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Nutation and the obliquity of the ecliptic.

namespace selvane {

struct ObliquityResult {
    double DeltaPsi = 0.0;     // nutation in longitude, degrees
    double DeltaEpsilon = 0.0; // nutation in obliquity, degrees
    double MeanEpsilon = 0.0;  // mean obliquity, degrees (Laskar)
    double Epsilon = 0.0;      // true obliquity = mean + nutation, degrees
};

// Nutation (IAU 1980, the 63 terms of Table 22.A) and the true obliquity for T Julian
// centuries from J2000.0. Chapter 22.
ObliquityResult Obliquity(double T) noexcept;

// Apparent sidereal time at Greenwich in degrees, NOT reduced to [0, 360): the mean sidereal
// time (12.4) p. 88 plus the nutation in right ascension, given in arcseconds.
double ApparentSiderealTime(double jd, double nutationInRaArcsec) noexcept;

} // namespace selvane
