// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Delta-T: dynamical time minus universal time, the Earth's clock error.
//
// The rest of the engine keeps to one time scale, universal time, and evaluates its series with
// it. The eclipses and the calendar export need instants to the second, so they evaluate the
// series in dynamical time, JDE = JD(UT) + Delta-T, and give their instants back in UT.

#include "engine/timebase.h"

namespace selvane {

// Delta-T in seconds for a decimal year (2026.5 is the middle of 2026): F. Espenak and
// J. Meeus's polynomial expressions of the Five Millennium Canons, fitted to the historical
// record and the observations from -500 to 2005, extrapolated to 2150, and outside -500..2150
// the long-term parabola -20 + 32 u^2 (u centuries from 1820) of Morrison and Stephenson.
// The canons use it over -1999..+3000; it holds any year, with growing uncertainty.
double DeltaTSeconds(double decimalYear) noexcept;

// The decimal year of a Julian Day: 2000.0 at 2000 January 1, 0h, in steps of 365.2425 days.
double DecimalYear(JulianDay jd) noexcept;

// Delta-T in seconds at a Julian Day (universal or dynamical time: Delta-T changes by well
// under a second in the minute between them).
double DeltaTSecondsAt(JulianDay jd) noexcept;

} // namespace selvane
