// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/solar.h"

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/tables/tables.h"

#include <cmath>

namespace selvane {

namespace {

constexpr double kVsopUnit = 1e-8; // radians (L, B) or AU (R) per unit of the series

template <std::size_t N>
double Series(const std::array<tables::Vsop87Term, N>& terms, double tau) noexcept {
    double sum = 0.0;
    for (const auto& t : terms)
        sum += t.A * std::cos(t.B + t.C * tau);
    return sum;
}

} // namespace

SunGeocentric SunApparentGeocentric(JulianDay jd) noexcept {
    using namespace tables;
    const double tau = (jd - kJ2000) / kDaysPerJulianMillennium;
    const double T = 10.0 * tau;

    // Heliocentric coordinates of the Earth, (32.2) p. 218.
    const double L = Normalize360(RadToDeg(
        (Series(kEarthL0, tau) +
         tau * (Series(kEarthL1, tau) +
                tau * (Series(kEarthL2, tau) +
                       tau * (Series(kEarthL3, tau) +
                              tau * (Series(kEarthL4, tau) + tau * Series(kEarthL5, tau)))))) *
        kVsopUnit));
    const double B = RadToDeg((Series(kEarthB0, tau) + tau * Series(kEarthB1, tau)) * kVsopUnit);
    const double R = (Series(kEarthR0, tau) +
                      tau * (Series(kEarthR1, tau) +
                             tau * (Series(kEarthR2, tau) +
                                    tau * (Series(kEarthR3, tau) + tau * Series(kEarthR4, tau))))) *
                     kVsopUnit;

    // Geocentric, then to the FK5 system, (25.9) p. 166.
    double theta = L + 180.0;
    double beta = -B;
    const double geometricLongitude = theta;
    const double lambdaPrime = DegToRad(theta - 1.397 * T - 0.00031 * T * T);
    theta += -0.09033 / kArcsecPerDeg;
    beta += 0.03916 / kArcsecPerDeg * (std::cos(lambdaPrime) - std::sin(lambdaPrime));

    const ObliquityResult nut = Obliquity(T);
    const double aberration = -20.4898 / kArcsecPerDeg / R; // (25.10) p. 167
    const double lambda = theta + aberration + nut.DeltaPsi;

    SunGeocentric g;
    const Equatorial eq = EclipticToEquatorial(lambda, beta, nut.Epsilon);
    g.RA = eq.RA;
    g.Dec = eq.Dec;
    g.Radius = R;
    g.GeometricLongitude = geometricLongitude;
    g.ApparentLongitude = lambda;
    g.DeltaPsi = nut.DeltaPsi;
    g.Epsilon = nut.Epsilon;
    return g;
}

SolarResult SolarPositionAt(JulianDay jd, const Observer& observer) noexcept {
    const SunGeocentric g = SunApparentGeocentric(jd);

    SolarResult r;
    r.RA = g.RA;
    r.Dec = g.Dec;

    // Mean sidereal time at Greenwich, (12.4) p. 88, without the nutation term.
    const double thetaG = Normalize360(ApparentSiderealTime(jd, 0.0));
    const Horizontal hz = EquatorialToHorizontal(Normalize360(thetaG - observer.Longitude - r.RA),
                                                 r.Dec, observer.Latitude);
    r.Azimuth = hz.Azimuth;
    r.Altitude = hz.Altitude;

    r.NutationInRA = std::cos(DegToRad(g.Epsilon)) * g.DeltaPsi * kArcsecPerDeg;
    r.Radius = g.Radius;
    r.GeometricLongitude = g.GeometricLongitude;
    r.ApparentLongitude = g.ApparentLongitude;
    return r;
}

SolarResult SolarPosition(const ClockTime& clock, const Observer& observer) noexcept {
    return SolarPositionAt(UniversalJD(clock, observer.UTOffsetMinutes), observer);
}

} // namespace selvane
