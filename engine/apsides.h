// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's perigee and apogee.

#include "engine/localtime.h"

#include <cstdint>
#include <string>

namespace selvane {

struct Apsis {
    JulianDay JD = 0.0;        // universal time
    std::int32_t Distance = 0; // Earth-Moon distance at the apsis, whole km (halves to even)
    double Parallax = 0.0;     // equatorial horizontal parallax, arcseconds
};

// The apsis with index k: integer k a perigee, k + 0.5 an apogee, k = 0 the mean perigee of
// 1999 December 22. Chapter 50 with the first edition's mean elements.
Apsis jdXgee(double k) noexcept;

struct ApogeePerigee {
    std::string ApogeeText; // local "hh:mm  dd Mmm": the first 13 characters of the date text
    std::string PerigeeText;
    std::int32_t ApogeeDistance = 0;
    std::int32_t PerigeeDistance = 0;
};

// The perigee of the anomalistic month counted from the clock's date and the apogee half a
// cycle before it, with their local date texts.
ApogeePerigee getApogeePerigee(const ClockTime& clock, const Observer& observer,
                               const MonthNames& monthNames);

} // namespace selvane
