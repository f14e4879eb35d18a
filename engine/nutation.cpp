// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/nutation.h"

#include "engine/numeric.h"
#include "engine/tables/tables.h"

#include <cmath>

namespace selvane {

namespace {

constexpr double kTableUnitArcsec = 0.0001; // unit of the nutation table's coefficients

} // namespace

ObliquityResult Obliquity(double T) noexcept {
    const double T2 = T * T;
    const double T3 = T2 * T;

    // Fundamental arguments, p. 144.
    const double D = ReducedRadians(297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474.0);
    const double M = ReducedRadians(357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000.0);
    const double Mp = ReducedRadians(134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250.0);
    const double F = ReducedRadians(93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270.0);
    const double Om = ReducedRadians(125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000.0);

    double sumPsi = 0.0;
    double sumEps = 0.0;
    for (const auto& t : tables::kNutation) {
        const double arg = t.D * D + t.M * M + t.Mp * Mp + t.F * F + t.Om * Om;
        sumPsi += (t.A + t.B * T) * std::sin(arg);
        sumEps += (t.C + t.Dc * T) * std::cos(arg);
    }

    ObliquityResult r;
    r.DeltaPsi = sumPsi * kTableUnitArcsec / kArcsecPerDeg;
    r.DeltaEpsilon = sumEps * kTableUnitArcsec / kArcsecPerDeg;

    // Mean obliquity after Laskar, (22.3) p. 147, U in units of 10000 Julian years; the
    // coefficients are his arcseconds divided by 3600.
    const double U = T / 100.0;
    r.MeanEpsilon = 23.4392911111111 +
                    U * (-1.300258333333 +
                         U * (-0.0004305555555556 +
                              U * (0.5553472222222 +
                                   U * (-0.01427222222222 +
                                        U * (-0.06935277777778 +
                                             U * (-0.01084722222222 +
                                                  U * (0.001977777777778 +
                                                       U * (0.007741666666667 +
                                                            U * (0.001608333333333 +
                                                                 U * 0.0006805555555556)))))))));
    r.Epsilon = r.MeanEpsilon + r.DeltaEpsilon;
    return r;
}

double ApparentSiderealTime(double jd, double nutationInRaArcsec) noexcept {
    const double d = jd - kJ2000;
    const double T = d / kDaysPerJulianCentury;
    return 280.46061837 + 360.98564736629 * d + 0.000387933 * T * T - T * T * T / 38710000.0 +
           nutationInRaArcsec / kArcsecPerDeg;
}

} // namespace selvane
