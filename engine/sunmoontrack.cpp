// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/sunmoontrack.h"

#include "engine/lunar.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/solar.h"

namespace selvane {

namespace {

// Adds whole turns to `degrees` so that it lies within half a turn of `near`.
double Unwrapped(double degrees, double near) {
    return degrees + 360.0 * std::nearbyint((near - degrees) / 360.0);
}

} // namespace

SunMoonPlace PlaceFromSeries(JulianDay jde, double deltaTSeconds) noexcept {
    const MoonGeocentric moon = MoonApparentGeocentric(jde);
    const SunGeocentric sun = SunApparentGeocentric(jde);
    SunMoonPlace p;
    p.MoonRA = moon.RA;
    p.MoonDec = moon.Dec;
    p.MoonDistance = moon.Distance;
    p.SunRA = sun.RA;
    p.SunDec = sun.Dec;
    p.SunDistance = sun.Radius;
    p.NutationInRA = std::cos(DegToRad(moon.Epsilon)) * moon.DeltaPsi * kArcsecPerDeg;
    p.SiderealTime = ApparentSiderealTime(jde - deltaTSeconds / kSecondsPerDay, p.NutationInRA);
    return p;
}

SunMoonTrack MakeSunMoonTrack(JulianDay middleJde, double halfSpanDays,
                              double deltaTSeconds) noexcept {
    SunMoonTrack t;
    t.Middle = middleJde;
    t.HalfSpan = halfSpanDays;
    t.DeltaTDays = deltaTSeconds / kSecondsPerDay;
    // Chebyshev points of the first kind and their barycentric weights (Berrut and Trefethen).
    constexpr double n = static_cast<double>(kTrackNodes);
    for (std::size_t j = 0; j < kTrackNodes; ++j) {
        const double angle = (2.0 * static_cast<double>(j) + 1.0) * kPi / (2.0 * n);
        t.NodeX[j] = std::cos(angle);
        t.Weights[j] = (j % 2 == 0 ? 1.0 : -1.0) * std::sin(angle);
        SunMoonPlace p = PlaceFromSeries(middleJde + halfSpanDays * t.NodeX[j], deltaTSeconds);
        if (j > 0) {
            p.MoonRA = Unwrapped(p.MoonRA, t.Nodes[j - 1].MoonRA);
            p.SunRA = Unwrapped(p.SunRA, t.Nodes[j - 1].SunRA);
        }
        t.Nodes[j] = p;
    }
    return t;
}

SunMoonPlace PlaceAt(const SunMoonTrack& track, JulianDay jde) noexcept {
    const double x = (jde - track.Middle) / track.HalfSpan;
    SunMoonPlace p;
    double sum = 0.0;
    std::size_t exact = kTrackNodes;
    std::array<double, kTrackNodes> c{};
    for (std::size_t j = 0; j < kTrackNodes; ++j) {
        const double dx = x - track.NodeX[j];
        if (dx == 0.0) {
            exact = j;
            break;
        }
        c[j] = track.Weights[j] / dx;
        sum += c[j];
    }
    if (exact < kTrackNodes) {
        p = track.Nodes[exact];
    } else {
        for (std::size_t j = 0; j < kTrackNodes; ++j) {
            const SunMoonPlace& n = track.Nodes[j];
            const double w = c[j] / sum;
            p.MoonRA += w * n.MoonRA;
            p.MoonDec += w * n.MoonDec;
            p.MoonDistance += w * n.MoonDistance;
            p.SunRA += w * n.SunRA;
            p.SunDec += w * n.SunDec;
            p.SunDistance += w * n.SunDistance;
            p.NutationInRA += w * n.NutationInRA;
        }
    }
    p.SiderealTime = ApparentSiderealTime(jde - track.DeltaTDays, p.NutationInRA);
    return p;
}

} // namespace selvane
