#pragma once
// A named zone for the engine tests: the British clock.

#include "engine/timebase.h"

#include <cmath>
#include <cstdint>

namespace selvane {

// GMT, and GMT + 1 from 01:00 UT on the last Sunday of March to 01:00 UT on the last Sunday of
// October.
inline std::int32_t BritishOffset(JulianDay ut) {
    const int year = JDToGregorianCalendar(ut).Year;
    auto lastSunday = [year](int month) {
        const JulianDay last = DateTimeToJD(year, month, 31, 1, 0, 0);
        const int weekday = static_cast<int>(std::floor(last + 0.5 + 1.0)) % 7; // 0 = Sunday
        return last - weekday;
    };
    return ut >= lastSunday(3) && ut < lastSunday(10) ? -60 : 0;
}

} // namespace selvane
