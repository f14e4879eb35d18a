// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/moonhorizon.h"

#include "engine/constants.h"
#include "engine/coordinates.h"
#include "engine/deltat.h"
#include "engine/lunar.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/solar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace selvane {

namespace {

constexpr int kHorizonSamples = 24; // intervals: an hour apart, the Moon moving 15 degrees
// Added to the declinations sampled at the day's start, middle and end before they bound the
// day's altitudes: between samples half a day apart the Moon's declination bulges past its
// chord by under 0.05 degree (its second derivative stays below 1.6 degrees a day squared).
constexpr double kDeclinationMarginDeg = 0.25;
// A parabola through three hourly samples places the Moon's highest or lowest point within
// about 0.01 degree; an extreme predicted this close to the horizon is computed.
constexpr double kGrazingMarginDeg = 0.1;
constexpr double kCrossingToleranceDays = 1.0 / kSecondsPerDay;

// A body at a universal instant: its altitude above that of its rise and set (degrees).
struct BodyHeight {
    JulianDay At = 0.0;
    double Height = 0.0;
    double Dec = 0.0; // degrees
    double H0 = 0.0;  // the rise and set altitude, degrees
};

BodyHeight MoonHeightAt(JulianDay jd, const Observer& observer) {
    const LunarPosition p = CLP(jd, observer);
    const double h0 = MoonRiseSetAltitude(p.Parallax);
    return {jd, p.Altitude - h0, p.Dec, h0};
}

// The Sun's centre against `altitude`: its apparent place with the series evaluated in
// dynamical time (the universal instant plus Delta-T), the hour angle from the apparent
// sidereal time, as the chapter 15 search has them.
BodyHeight SunHeightAt(JulianDay jd, const Observer& observer, double altitude) {
    const SunGeocentric sun = SunApparentGeocentric(jd + DeltaTSecondsAt(jd) / kSecondsPerDay);
    const double nutationInRA = std::cos(DegToRad(sun.Epsilon)) * sun.DeltaPsi * kArcsecPerDeg;
    const double hourAngle =
        Normalize360(ApparentSiderealTime(jd, nutationInRA) - observer.Longitude - sun.RA);
    const Horizontal place = EquatorialToHorizontal(hourAngle, sun.Dec, observer.Latitude);
    return {jd, place.Altitude - altitude, sun.Dec, altitude};
}

bool Above(const BodyHeight& m) {
    return m.Height >= 0.0;
}

// Whether the body stays above, or below, its rise and set altitude all day, judged from the
// declinations at the day's start, middle and end. Whatever the hour angle, the altitude lies
// between |latitude + declination| - 90 (lower culmination) and 90 - |latitude - declination|
// (upper culmination).
bool StaysOnOneSide(const BodyHeight& start, const BodyHeight& middle, const BodyHeight& end,
                    double latitude) {
    const double decLow = std::min({start.Dec, middle.Dec, end.Dec}) - kDeclinationMarginDeg;
    const double decHigh = std::max({start.Dec, middle.Dec, end.Dec}) + kDeclinationMarginDeg;
    const double h0Low = std::min({start.H0, middle.H0, end.H0});
    const double h0High = std::max({start.H0, middle.H0, end.H0});
    const double highest = 90.0 - std::fabs(latitude - std::clamp(latitude, decLow, decHigh));
    const double lowest = std::fabs(latitude + std::clamp(-latitude, decLow, decHigh)) - 90.0;
    return highest < h0Low || lowest > h0High;
}

// The instant within a bracket of opposite heights where the body crosses its rise and set
// altitude, to a second: false position with the Illinois halving of the end that stays, each
// trial kept some way inside the bracket so that both ends close in.
template <typename HeightAt>
JulianDay RefineCrossing(BodyHeight a, BodyHeight b, const HeightAt& heightAt) {
    constexpr double inset = 0.4 * kCrossingToleranceDays;
    double ha = a.Height;
    double hb = b.Height;
    int kept = 0; // which end stayed on the last step: -1 a, +1 b
    while (b.At - a.At > kCrossingToleranceDays) {
        const JulianDay guess = (a.At * hb - b.At * ha) / (hb - ha);
        const BodyHeight m = heightAt(std::clamp(guess, a.At + inset, b.At - inset));
        if (Above(m) == Above(a)) {
            a = m;
            ha = m.Height;
            if (kept == +1)
                hb /= 2.0;
            kept = +1;
        } else {
            b = m;
            hb = m.Height;
            if (kept == -1)
                ha /= 2.0;
            kept = -1;
        }
    }
    return (a.At + b.At) / 2.0;
}

// The search of MoonHorizonCrossings for any body whose height `heightAt` gives.
template <typename HeightAt>
HorizonCrossings Crossings(JulianDay start, JulianDay end, double latitude,
                           const HeightAt& heightAt) {
    const double step = (end - start) / kHorizonSamples;
    std::array<BodyHeight, kHorizonSamples + 1> s;
    constexpr int middle = kHorizonSamples / 2;
    s[0] = heightAt(start);
    s[middle] = heightAt(start + middle * step);
    s[kHorizonSamples] = heightAt(end);
    HorizonCrossings found;
    if (StaysOnOneSide(s[0], s[middle], s[kHorizonSamples], latitude))
        return found;
    for (int k = 1; k < kHorizonSamples; ++k)
        if (k != middle)
            s[static_cast<std::size_t>(k)] = heightAt(start + k * step);

    auto take = [&](const BodyHeight& a, const BodyHeight& b) {
        JulianDay& slot = Above(a) ? found.Set : found.Rise;
        if (slot == kNoEvent)
            slot = RefineCrossing(a, b, heightAt);
        found.Any = true;
    };
    for (std::size_t k = 0; k < kHorizonSamples; ++k) {
        const BodyHeight& a = s[k];
        const BodyHeight& b = s[k + 1];
        if (Above(a) != Above(b)) {
            take(a, b);
            continue;
        }
        // The Moon may dip across the horizon and back between two samples near its highest or
        // lowest point: the parabola through this interval and a neighbouring sample places
        // that point, and the Moon is computed there when it may lie across.
        const std::size_t c = k == 0 ? 1 : k; // the parabola's middle sample
        const double y0 = s[c - 1].Height;
        const double y1 = s[c].Height;
        const double y2 = s[c + 1].Height;
        const double curvature = y0 - 2.0 * y1 + y2;
        if (curvature == 0.0)
            continue;
        const double x = (y0 - y2) / (2.0 * curvature); // steps from the middle sample
        const JulianDay at = s[c].At + x * step;
        if (!(at > a.At && at < b.At))
            continue;
        const double extreme = y1 - (y0 - y2) * (y0 - y2) / (8.0 * curvature);
        if (Above(a) ? extreme > kGrazingMarginDeg : extreme < -kGrazingMarginDeg)
            continue;
        const BodyHeight m = heightAt(at);
        if (Above(m) != Above(a)) {
            take(a, m);
            take(m, b);
        }
    }
    return found;
}

} // namespace

double MoonRiseSetAltitude(double parallax) noexcept {
    return kMoonParallaxFactor * parallax - kHorizonRefractionDeg;
}

HorizonCrossings MoonHorizonCrossings(JulianDay start, JulianDay end, const Observer& observer) {
    return Crossings(start, end, observer.Latitude,
                     [&](JulianDay jd) { return MoonHeightAt(jd, observer); });
}

HorizonCrossings SunHorizonCrossings(JulianDay start, JulianDay end, const Observer& observer,
                                     double altitude) {
    return Crossings(start, end, observer.Latitude,
                     [&](JulianDay jd) { return SunHeightAt(jd, observer, altitude); });
}

} // namespace selvane
