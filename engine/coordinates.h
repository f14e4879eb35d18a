// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Transformations between the ecliptic, equatorial and horizontal coordinates. Chapter 13.

namespace selvane {

struct Equatorial {
    double RA = 0.0;  // right ascension, degrees, in (-180, 180]
    double Dec = 0.0; // declination, degrees
};

// From ecliptic longitude and latitude with the obliquity, all in degrees: (13.3), (13.4) p. 93.
Equatorial EclipticToEquatorial(double longitude, double latitude, double obliquity) noexcept;

struct Horizontal {
    double Azimuth = 0.0;  // degrees from north through east, [0, 360)
    double Altitude = 0.0; // degrees, geometric
};

// From the local hour angle and declination for an observer's latitude, all in degrees:
// (13.5), (13.6) p. 93, the azimuth turned to count from north.
Horizontal EquatorialToHorizontal(double hourAngle, double dec, double latitude) noexcept;

// The observer's place seen from the Earth's centre, in the Earth's equatorial radii:
// rho sin(phi') and rho cos(phi') of chapter 11 p. 82, for a geodetic latitude in degrees and
// a height above sea level in metres, on the ellipsoid of flattening 1/298.257.
struct GeocentricPlace {
    double RhoSinPhi = 0.0;
    double RhoCosPhi = 1.0;
};
GeocentricPlace ObserverGeocentric(double latitude, double heightMetres) noexcept;

} // namespace selvane
