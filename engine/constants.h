// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The published constants the engine takes from J. Meeus, Astronomical Algorithms, each named
// once with the equation or chapter it comes from (the second edition's numbering). The Moon's
// mean phases and apsides keep the first edition's values, as do their periodic terms.

namespace selvane {

// The Earth's figure, chapter 11 (the IAU 1976 values): the equatorial radius a, the
// flattening f, and b/a = 1 - f to eleven decimals, the ratio of the polar to the equatorial
// radius that turns a geographic latitude into the observer's place relative to the centre.
inline constexpr double kEarthEquatorialRadiusKm = 6378.14;
inline constexpr double kEarthFlattening = 1.0 / 298.257;
inline constexpr double kEarthPolarToEquatorial = 0.99664718682;
static_assert(kEarthPolarToEquatorial - (1.0 - kEarthFlattening) < 5e-12 &&
              (1.0 - kEarthFlattening) - kEarthPolarToEquatorial < 5e-12);

// The mean phases of the Moon, chapter 49. The lunation index k counts from the New Moon of
// 2000 January 6 (k = 0); the quarters and the Full Moon lie at k + 0.25, 0.5 and 0.75.
// (49.1) the mean phase JDE = 2451550.09765 + 29.530588853 k + ...
inline constexpr double kMeanNewMoonEpochJDE = 2451550.09765;
inline constexpr double kSynodicMonthDays = 29.530588853;
// (49.2) k ~ (year - 2000) x 12.3685, (49.3) T = k / 1236.85.
inline constexpr double kLunationEpochYear = 2000.0;
inline constexpr double kLunationsPerYear = 12.3685;
inline constexpr double kLunationsPerCentury = 1236.85;

// The mean perigees and apogees, chapter 50. The index k counts anomalistic months from the
// perigee of 1999 December 22 (k = 0); an apogee has k + 0.5.
// (50.1) the mean perigee JDE = 2451534.6698 + 27.55454988 k + ...
inline constexpr double kMeanPerigeeEpochJDE = 2451534.6698;
inline constexpr double kAnomalisticMonthDays = 27.55454988;
// (50.2) k ~ (year - 1999.97) x 13.2555, (50.3) T = k / 1325.55.
inline constexpr double kApsisEpochYear = 1999.97;
inline constexpr double kAnomalisticMonthsPerYear = 13.2555;
inline constexpr double kAnomalisticMonthsPerCentury = 1325.55;

// Rising, transit and setting, chapter 15. h0, the altitude of a body's centre at its rise and
// set in degrees, is -0 deg 34' (-0.5667) for a star or a planet, the refraction at the
// horizon; -0 deg 50' (-0.8333) for the Sun, with its semidiameter; 0.7275 pi - 0 deg 34' for
// the Moon, pi its equatorial horizontal parallax.
inline constexpr double kHorizonRefractionDeg = 34.0 / 60.0;
inline constexpr double kStarRiseSetAltitudeDeg = -kHorizonRefractionDeg;
inline constexpr double kSunRiseSetAltitudeDeg = -0.8333;
inline constexpr double kMoonParallaxFactor = 0.7275;
// The sidereal time a fraction m of a day after the instant whose sidereal time is Theta0:
// theta0 = Theta0 + 360.985647 m, in degrees.
inline constexpr double kSiderealRateDegPerDay = 360.985647;

} // namespace selvane
