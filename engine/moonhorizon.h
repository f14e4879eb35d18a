// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's rise and set found from its altitude itself, through a span of time: where the
// interpolated search of chapter 15 cannot be trusted (near the poles the Moon's declination
// moves by degrees within a day, and it may graze the horizon). The same search finds the
// Sun's short appearances above (or dips below) an altitude, where the test at its middle
// declination says it never crosses it.

#include "engine/localtime.h"
#include "engine/risetransitset.h"

namespace selvane {

// The geocentric altitude of the Moon's rise and set for its horizontal parallax, both in
// degrees: the upper limb on the horizon with the refraction at the horizon, (15.1) p. 98.
double MoonRiseSetAltitude(double parallax) noexcept;

// The Moon's first rise and first set between two universal instants.
struct HorizonCrossings {
    JulianDay Rise = kNoEvent; // universal time; kNoEvent when there is none
    JulianDay Set = kNoEvent;
    bool Any = false; // it crosses at all
};

// Samples the Moon's altitude hourly (for a day's span) from `start` to `end`, looks between
// samples near its highest and lowest points for a dip across the horizon and back, and
// refines each crossing to a second. A span the Moon provably spends on one side of the
// horizon costs three samples.
HorizonCrossings MoonHorizonCrossings(JulianDay start, JulianDay end, const Observer& observer);

// The Sun's first rise above and first set below an altitude of its centre (degrees:
// kSunriseAltitude, -6, -12, -18) between two universal instants, searched as the Moon's.
HorizonCrossings SunHorizonCrossings(JulianDay start, JulianDay end, const Observer& observer,
                                     double altitude);

} // namespace selvane
