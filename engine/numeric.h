// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Numeric helpers and unit constants shared by the whole engine.
//
// The engine reproduces published worked values to the last printed digit, which
// relies on IEEE arithmetic and on the exact rounding rules below.

#include <cmath>
#include <cstdint>
#include <numbers>

#ifdef __FAST_MATH__
#error "The engine needs IEEE arithmetic: build it without -ffast-math."
#endif

namespace selvane {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kRadPerDeg = kPi / 180.0;
inline constexpr double kDegPerRad = 180.0 / kPi;
inline constexpr double kArcsecPerDeg = 3600.0;
inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kSecondsPerDay = 86400.0;

inline constexpr double kJ2000 = 2451545.0; // 2000 January 1.5 TT, as a JD
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kDaysPerJulianMillennium = 365250.0;

// Integer part toward zero, as an integer.
inline std::int64_t Trunc(double x) noexcept {
    return static_cast<std::int64_t>(std::trunc(x));
}

// Integer part toward zero, as a floating value.
inline double Int(double x) noexcept {
    return std::trunc(x);
}

// x - Int(x): keeps the sign of x.
inline double Frac(double x) noexcept {
    return x - std::trunc(x);
}

// Nearest integer with halves to the even neighbour (368410.5 -> 368410). std::round would
// send halves away from zero; nearbyint follows the default round-to-nearest-even mode.
inline double Round(double x) noexcept {
    return std::nearbyint(x);
}

inline double DegToRad(double degrees) noexcept {
    return degrees * kRadPerDeg;
}
inline double RadToDeg(double radians) noexcept {
    return radians * kDegPerRad;
}

// Reduces an angle in degrees to [0, 360).
inline double Normalize360(double degrees) noexcept {
    double r = degrees - 360.0 * std::trunc(degrees / 360.0);
    if (r < 0.0)
        r += 360.0;
    // A tiny negative remainder plus 360 can round to exactly 360.
    return r >= 360.0 ? r - 360.0 : r;
}

// An angle of a polynomial reduced to [0, 360) degrees, in radians, ready for sin and cos.
inline double ReducedRadians(double degrees) noexcept {
    return DegToRad(Normalize360(degrees));
}

// The inverse sine and cosine through atan2. The square root is clamped at zero so an
// argument a rounding error beyond +-1 gives +-90 degrees (or 0/180) instead of NaN.
inline double ArcSin(double x) noexcept {
    return std::atan2(x, std::sqrt(std::fmax(0.0, 1.0 - x * x)));
}
inline double ArcCos(double x) noexcept {
    return std::atan2(std::sqrt(std::fmax(0.0, 1.0 - x * x)), x);
}

} // namespace selvane
