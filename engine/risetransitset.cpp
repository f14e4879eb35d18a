// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/risetransitset.h"

#include "engine/constants.h"
#include "engine/numeric.h"

#include <cmath>
#include <initializer_list>

namespace selvane {

namespace {

constexpr double kInterpolationOffsetDays = 0.000775462962963; // 67 s
constexpr double kConvergenceDays = 1e-10;
// Near the limit of circumpolarity the iteration may creep or oscillate. An event still moving
// after this many steps is treated as not occurring that date: a time shown from an
// unconverged iteration could be anywhere in the day.
constexpr int kMaxIterations = 50;
constexpr double kMaxDrift = 0.5; // days, the Sun's guard

// Corrects an event's day fraction m by step(m) until the step is below the convergence limit;
// kNoEvent when it does not settle within kMaxIterations. With `driftGuard`, an iteration that
// wanders more than half a day from its start has left this day's event (near grazing the
// Sun's can settle on the crossing of another day) and counts as no event.
template <typename Step>
double Iterate(double m, bool driftGuard, Step step) {
    const double start = m;
    for (int i = 0; i < kMaxIterations; ++i) {
        const double dm = step(m);
        if (!std::isfinite(dm))
            return kNoEvent;
        m += dm;
        if (driftGuard && std::fabs(m - start) > kMaxDrift)
            return kNoEvent;
        if (std::fabs(dm) < kConvergenceDays)
            return m;
    }
    return kNoEvent;
}

// The right ascensions made to run on across 0 hours, as the interpolation needs them.
void Unwrap(DaySeries& ra) noexcept {
    if (ra.Y1 > ra.Y2)
        ra.Y1 -= 360.0;
    if (ra.Y3 < ra.Y2)
        ra.Y3 += 360.0;
}

// The hour angle in [-180, 180] degrees at day fraction m, from the right ascension
// interpolated a fixed 67 s later (which it leaves in ra.Current).
double HourAngleAt(DaySeries& ra, double longitude, double theta0, double m) noexcept {
    ra.Current = Normalize360(Interpolate(ra, m + kInterpolationOffsetDays));
    const double theta = Normalize360(theta0 + kSiderealRateDegPerDay * m);
    return std::remainder(theta - longitude - ra.Current, 360.0);
}

// The transit of unwrapped right ascensions: (15.2) p. 102, iterated.
double TransitOf(DaySeries ra, double longitude, double theta0, bool driftGuard) noexcept {
    double m0 = (ra.Y2 + longitude - theta0) / 360.0;
    while (m0 < 0.0)
        m0 += 1.0;
    return Iterate(m0, driftGuard,
                   [&](double m) { return -HourAngleAt(ra, longitude, theta0, m) / 360.0; });
}

} // namespace

double Interpolate(const DaySeries& s, double n) noexcept {
    const double a = s.Y2 - s.Y1;
    const double b = s.Y3 - s.Y2;
    const double c = b - a;
    return s.Y2 + n / 2.0 * (a + b + n * c);
}

RiseSetTimes CalculateRiseSet(DaySeries ra, double latitude, double longitude, DaySeries dec,
                              double h0, double theta0, CrossingCheck check) noexcept {
    Unwrap(ra);

    const double phi = DegToRad(latitude);
    // (15.1) p. 102.
    const double cosH0 = (std::sin(h0) - std::sin(phi) * std::sin(DegToRad(dec.Y2))) /
                         (std::cos(phi) * std::cos(DegToRad(dec.Y2)));
    // Also catches the division by zero at the poles: circumpolar or never up.
    if (!(std::fabs(cosH0) <= 1.0))
        return {};
    const double H0 = RadToDeg(ArcCos(cosH0));

    // (15.2) p. 102.
    const double m0 = (ra.Y2 + longitude - theta0) / 360.0;
    double m1 = m0 - H0 / 360.0;
    double m2 = m0 + H0 / 360.0;
    for (double* m : {&m1, &m2})
        while (*m < 0.0)
            *m += 1.0;

    const double h0Deg = RadToDeg(h0);
    // The hour angle at day fraction m of the interpolated place; fills dec.Current.
    auto hourAngle = [&](double m) {
        dec.Current = Interpolate(dec, m + kInterpolationOffsetDays);
        return HourAngleAt(ra, longitude, theta0, m);
    };
    // The correction of a rise or set, p. 103.
    auto altitudeStep = [&](double m) {
        const double H = DegToRad(hourAngle(m));
        const double d = DegToRad(dec.Current);
        const double h = RadToDeg(
            ArcSin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(H)));
        return (h - h0Deg) / (360.0 * std::cos(d) * std::cos(phi) * std::sin(H));
    };

    const bool driftGuard = check == CrossingCheck::DriftGuard;
    // A converged root with the hour angle on the wrong side is the other crossing (near
    // grazing the two lie close together): no event of this kind.
    auto crossing = [&](double m, double sign) {
        if (driftGuard || m == kNoEvent)
            return m;
        return sign * hourAngle(m) > 0.0 ? m : kNoEvent;
    };

    RiseSetTimes t;
    t.Rise = crossing(Iterate(m1, driftGuard, altitudeStep), -1.0);
    t.Set = crossing(Iterate(m2, driftGuard, altitudeStep), +1.0);
    t.Transit = TransitOf(ra, longitude, theta0, driftGuard);
    return t;
}

double CalculateTransit(DaySeries ra, double longitude, double theta0,
                        CrossingCheck check) noexcept {
    Unwrap(ra);
    return TransitOf(ra, longitude, theta0, check == CrossingCheck::DriftGuard);
}

} // namespace selvane
