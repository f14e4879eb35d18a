// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Sun and the Moon over the hours around a New or Full Moon, for the eclipse searches.
//
// A search asks for the two bodies' places thousands of times. The track evaluates the full
// series (chapters 25 and 47) at a few instants and interpolates between them: on Chebyshev
// nodes a polynomial of degree 8 reproduces the series over ten hours far below their own
// accuracy (a few milliarcseconds), so every question after the first evaluations costs a few
// multiplications.

#include "engine/timebase.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace selvane {

// The apparent geocentric places at one instant.
struct SunMoonPlace {
    double MoonRA = 0.0;       // degrees, continuous over the track (not reduced)
    double MoonDec = 0.0;      // degrees
    double MoonDistance = 0.0; // km, centre to centre
    double SunRA = 0.0;        // degrees, continuous over the track (not reduced)
    double SunDec = 0.0;       // degrees
    double SunDistance = 0.0;  // AU
    double NutationInRA = 0.0; // delta-psi * cos(epsilon), arcseconds
    // Apparent sidereal time at Greenwich at the instant's universal time, degrees, not reduced.
    double SiderealTime = 0.0;
};

inline constexpr std::size_t kTrackNodes = 9;

struct SunMoonTrack {
    JulianDay Middle = 0.0;  // the middle of the span, dynamical time
    double HalfSpan = 0.0;   // days each side of the middle
    double DeltaTDays = 0.0; // dynamical minus universal time
    std::array<SunMoonPlace, kTrackNodes> Nodes{};
    std::array<double, kTrackNodes> NodeX{};   // node abscissae in [-1, 1]
    std::array<double, kTrackNodes> Weights{}; // barycentric weights of the nodes
};

// Evaluates the series at the nodes of [middle - halfSpan, middle + halfSpan] (dynamical time).
SunMoonTrack MakeSunMoonTrack(JulianDay middleJde, double halfSpanDays,
                              double deltaTSeconds) noexcept;

// The places at an instant of dynamical time within the track's span.
SunMoonPlace PlaceAt(const SunMoonTrack& track, JulianDay jde) noexcept;

// The two bodies' places straight from the series, for checking the interpolation.
SunMoonPlace PlaceFromSeries(JulianDay jde, double deltaTSeconds) noexcept;

// The instant in [a, b] where f changes sign, to `tolerance` (f(a) and f(b) of opposite signs):
// false position with the Illinois halving of the end that stays. It takes a few tens of steps;
// the cap only bounds the work should a caller pass ends of the same sign.
template <typename F>
double FindCrossing(F f, double a, double b, double tolerance) {
    constexpr int maxSteps = 200;
    double fa = f(a);
    double fb = f(b);
    int kept = 0; // which end stayed on the last step: -1 a, +1 b
    for (int step = 0; step < maxSteps && b - a > tolerance; ++step) {
        double c = (a * fb - b * fa) / (fb - fa);
        // Keep each trial a little inside the bracket so that both ends close in.
        const double inset = 0.25 * tolerance;
        c = std::fmin(std::fmax(c, a + inset), b - inset);
        const double fc = f(c);
        if ((fc < 0.0) == (fa < 0.0)) {
            a = c;
            fa = fc;
            if (kept == +1)
                fb /= 2.0;
            kept = +1;
        } else {
            b = c;
            fb = fc;
            if (kept == -1)
                fa /= 2.0;
            kept = -1;
        }
    }
    return (a + b) / 2.0;
}

// The instant of the least value of f in [a, b] where f falls and then rises (golden section).
template <typename F>
double FindMinimum(F f, double a, double b, double tolerance) {
    constexpr double invPhi = 0.6180339887498949; // (sqrt(5) - 1) / 2
    double c = b - invPhi * (b - a);
    double d = a + invPhi * (b - a);
    double fc = f(c);
    double fd = f(d);
    while (b - a > tolerance) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - invPhi * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + invPhi * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2.0;
}

} // namespace selvane
