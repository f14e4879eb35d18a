// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/lunar.h"

#include "engine/constants.h"
#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/tables/tables.h"

#include <cmath>

namespace selvane {

namespace {

constexpr double kSeriesUnitDeg = 1e-6; // Tables 47.A/B longitude and latitude unit
constexpr double kSeriesUnitKm = 1e-3;  // Table 47.A distance unit
constexpr double kMeanDistanceKm = 385000.56;
constexpr double kJ1900 = 2415020.0; // 1900 January 0.5

// E for |multiplier of M| = 1, E^2 for 2.
double EccentricityFactor(int m, double E) {
    return m == 0 ? 1.0 : (std::abs(m) == 1 ? E : E * E);
}

} // namespace

MoonGeocentric MoonApparentGeocentric(JulianDay jd) noexcept {
    using namespace tables;
    const double T = (jd - kJ2000) / kDaysPerJulianCentury;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;

    // Mean elements, first edition coefficients.
    const double Lp = ReducedRadians(218.3164591 + 481267.88134236 * T - 0.0013268 * T2 +
                                     T3 / 538841.0 - T4 / 65194000.0);
    const double D = ReducedRadians(297.8502042 + 445267.1115168 * T - 0.0016300 * T2 +
                                    T3 / 545868.0 - T4 / 113065000.0);
    const double M =
        ReducedRadians(357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0);
    const double Mp = ReducedRadians(134.9634114 + 477198.8676313 * T + 0.0089970 * T2 +
                                     T3 / 69699.0 - T4 / 14712000.0);
    const double F = ReducedRadians(93.2720993 + 483202.0175273 * T - 0.0034029 * T2 -
                                    T3 / 3526000.0 + T4 / 863310000.0);
    const double A1 = ReducedRadians(119.75 + 131.849 * T);
    const double A2 = ReducedRadians(53.09 + 479264.290 * T);
    const double A3 = ReducedRadians(313.45 + 481266.484 * T);
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T2; // (47.6)

    double sumL = 0.0, sumR = 0.0, sumB = 0.0;
    for (const auto& t : kMoonLongitudeDistance) {
        const double arg = t.D * D + t.M * M + t.Mp * Mp + t.F * F;
        const double e = EccentricityFactor(t.M, E);
        sumL += t.SigmaL * std::sin(arg) * e;
        sumR += t.SigmaR * std::cos(arg) * e;
    }
    for (const auto& t : kMoonLatitude) {
        const double arg = t.D * D + t.M * M + t.Mp * Mp + t.F * F;
        sumB += t.SigmaB * std::sin(arg) * EccentricityFactor(t.M, E);
    }
    // Additive terms for Venus (A1), Jupiter (A2) and the flattening of the Earth, p. 342.
    sumL += 3958.0 * std::sin(A1) + 1962.0 * std::sin(Lp - F) + 318.0 * std::sin(A2);
    sumB += -2235.0 * std::sin(Lp) + 382.0 * std::sin(A3) + 175.0 * std::sin(A1 - F) +
            175.0 * std::sin(A1 + F) + 127.0 * std::sin(Lp - Mp) - 115.0 * std::sin(Lp + Mp);

    const ObliquityResult nut = Obliquity(T);

    MoonGeocentric g;
    g.DeltaPsi = nut.DeltaPsi;
    g.Epsilon = nut.Epsilon;
    g.Longitude = RadToDeg(Lp) + sumL * kSeriesUnitDeg + nut.DeltaPsi;
    g.Latitude = sumB * kSeriesUnitDeg;
    g.Distance = kMeanDistanceKm + sumR * kSeriesUnitKm;
    const Equatorial eq = EclipticToEquatorial(g.Longitude, g.Latitude, nut.Epsilon);
    g.RA = eq.RA;
    g.Dec = eq.Dec;
    g.MeanAnomaly = Mp;
    return g;
}

LunarPosition CLP(JulianDay jd, const Observer& observer) noexcept {
    const MoonGeocentric g = MoonApparentGeocentric(jd);
    const double eps = DegToRad(g.Epsilon);
    const double Mp = g.MeanAnomaly;

    LunarPosition r;
    r.DeltaPsi = g.DeltaPsi;
    r.Epsilon = g.Epsilon;
    r.NutationInRA = std::cos(eps) * g.DeltaPsi * kArcsecPerDeg;
    r.Longitude = g.Longitude;
    r.Latitude = g.Latitude;
    // The distance is rounded first; the parallax comes from the rounded value.
    r.Distance = static_cast<std::int32_t>(Round(g.Distance));
    r.Parallax = RadToDeg(ArcSin(kEarthEquatorialRadiusKm / r.Distance));
    r.RA = g.RA;
    r.Dec = g.Dec;

    const double theta = ApparentSiderealTime(jd, r.NutationInRA);
    const double H = Normalize360(theta - observer.Longitude - r.RA);
    r.HourAngle = DegToRad(H);
    const Horizontal hz = EquatorialToHorizontal(H, r.Dec, observer.Latitude);
    r.Azimuth = hz.Azimuth;
    r.Altitude = hz.Altitude;

    // A low-precision Sun for the phase angle (T0 centuries from 1900 January 0.5).
    const double T0 = (jd - kJ1900) / kDaysPerJulianCentury;
    const double L0 = 279.69668 + 36000.76892 * T0 + 0.0003025 * T0 * T0;
    const double Ms = ReducedRadians(358.47583 + 35999.04975 * T0 - 0.000150 * T0 * T0 -
                                     0.0000033 * T0 * T0 * T0);
    const double C = (1.919460 - 0.004789 * T0 - 0.000014 * T0 * T0) * std::sin(Ms) +
                     (0.020094 - 0.000100 * T0) * std::sin(2.0 * Ms) +
                     0.000293 * std::sin(3.0 * Ms);
    const double sunLongitude = DegToRad(Normalize360(L0 + C));

    // Elongation and phase angle with the first-order correction for the Sun's finite distance.
    const double psi =
        ArcCos(std::cos(DegToRad(r.Latitude)) * std::cos(DegToRad(r.Longitude) - sunLongitude));
    r.PhaseAngle =
        180.0 - RadToDeg(psi) -
        0.1468 * (1.0 - 0.0549 * std::sin(Mp)) / (1.0 - 0.0167 * std::sin(Ms)) * std::sin(psi);
    r.Percent = static_cast<int>(Trunc((std::cos(DegToRad(r.PhaseAngle)) + 1.0) * 50.0 + 0.5));
    return r;
}

} // namespace selvane
