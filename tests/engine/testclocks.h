// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Clocks the engine tests put their observers on.

#include "engine/localtime.h"

#include <cmath>
#include <cstdint>

namespace selvane {

// The British clock: GMT, and GMT + 1 from 01:00 UT on the last Sunday of March to 01:00 UT
// on the last Sunday of October.
inline std::int32_t BritishOffset(JulianDay ut) {
    const int year = JDToGregorianCalendar(ut).Year;
    auto lastSunday = [year](int month) {
        const JulianDay last = DateTimeToJD(year, month, 31, 1, 0, 0);
        const int weekday = static_cast<int>(std::floor(last + 0.5 + 1.0)) % 7; // 0 = Sunday
        return last - weekday;
    };
    return ut >= lastSunday(3) && ut < lastSunday(10) ? -60 : 0;
}

// Central European time (Madrid, Paris, Berlin): one hour ahead of the British clock all year.
inline std::int32_t CentralEuropeanOffset(JulianDay ut) {
    return BritishOffset(ut) - 60;
}

// A fixed zone as the tables give it: hours east of GMT plus 12 (0..24), with or without an
// hour of daylight saving; minutes to add to the clock to get universal time.
inline std::int32_t ZoneIndexOffset(int zoneIndex, bool daylight) {
    return (12 - zoneIndex) * 60 - (daylight ? 60 : 0);
}

} // namespace selvane
