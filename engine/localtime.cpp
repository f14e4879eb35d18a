// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/localtime.h"

#include "engine/numeric.h"

namespace selvane {

std::int32_t OffsetAt(const Observer& observer, JulianDay universal) {
    return observer.Zone ? observer.Zone(universal) : observer.UTOffsetMinutes;
}

JulianDay UniversalToLocal(JulianDay universal, const Observer& observer) {
    return universal - OffsetAt(observer, universal) / kMinutesPerDay;
}

JulianDay LocalToUniversal(JulianDay local, const Observer& observer) {
    if (!observer.Zone)
        return local + observer.UTOffsetMinutes / kMinutesPerDay;
    // The offset at the reading taken as universal time is at most a day's offsets away from
    // the one in force; one more step settles on it.
    const JulianDay guess = local + OffsetAt(observer, local) / kMinutesPerDay;
    return local + OffsetAt(observer, guess) / kMinutesPerDay;
}

JulianDay UniversalJD(const ClockTime& clock, std::int32_t utOffsetMinutes) noexcept {
    return DateTimeToJD(clock.Year, clock.Month, clock.Day, clock.Hour, clock.Minute,
                        clock.Second) +
           utOffsetMinutes / kMinutesPerDay;
}

} // namespace selvane
