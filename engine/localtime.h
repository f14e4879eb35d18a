// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Local clock time and universal time: the observer's zone offsets and the conversions
// between the two scales.

#include "engine/timebase.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace selvane {

// A time zone's offset in force at a universal instant: minutes to add to local clock time
// to get universal time then. The program hands in one backed by the system's zone database.
using ZoneOffsets = std::function<std::int32_t(JulianDay universal)>;

// The observer as the engine sees it.
struct Observer {
    Observer() = default;
    Observer(double latitude, double longitude, std::int32_t utOffsetMinutes, ZoneOffsets zone = {})
        : Latitude(latitude)
        , Longitude(longitude)
        , UTOffsetMinutes(utOffsetMinutes)
        , Zone(std::move(zone)) {}

    double Latitude = 0.0;  // degrees, north positive
    double Longitude = 0.0; // degrees, WEST positive (hour angle = theta - L - alpha)
    // Add to local clock time to get universal time: at every instant when there is no Zone,
    // else at the displayed instant (the clock reading the caller passes with it).
    std::int32_t UTOffsetMinutes = 0;
    ZoneOffsets Zone; // a named zone's offsets; empty: the fixed UTOffsetMinutes
};

// The offset in force at a universal instant.
std::int32_t OffsetAt(const Observer& observer, JulianDay universal);

// The local clock reading of a universal instant, as a Julian Day on the clock's scale.
JulianDay UniversalToLocal(JulianDay universal, const Observer& observer);

// The universal instant of a local clock reading. Where a named zone's clock skips an hour, a
// reading in the gap counts with the offset before the change (and so lands after the gap);
// where the clock repeats an hour, the later of the two instants is taken.
JulianDay LocalToUniversal(JulianDay local, const Observer& observer);

// The universal-time Julian Day of a local clock reading (milliseconds unused).
JulianDay UniversalJD(const ClockTime& clock, std::int32_t utOffsetMinutes) noexcept;

} // namespace selvane
