#pragma once
// A wall clock the test sets by hand.

#include "ui/wallclock.h"

#include <cmath>

namespace selvane {

class FixedClock final : public WallClock {
public:
    explicit FixedClock(ClockTime t)
        : time(t) {}
    ClockTime now() const override { return time; }

    // Moves the clock by whole seconds (within a day's arithmetic through Julian Days).
    void advance(int seconds) {
        const JulianDay jd =
            DateTimeToJD(time.Year, time.Month, time.Day, time.Hour, time.Minute, time.Second) +
            seconds / 86400.0 + 1e-7;
        const CalendarInstant c = JDToGregorianCalendar(jd);
        const double dayFraction = (jd + 0.5) - std::floor(jd + 0.5);
        const int totalSeconds = static_cast<int>(dayFraction * 86400.0);
        time.Year = static_cast<std::uint16_t>(c.Year);
        time.Month = static_cast<std::uint16_t>(c.Month);
        time.Day = static_cast<std::uint16_t>(c.Day);
        time.Hour = static_cast<std::uint16_t>(totalSeconds / 3600);
        time.Minute = static_cast<std::uint16_t>(totalSeconds / 60 % 60);
        time.Second = static_cast<std::uint16_t>(totalSeconds % 60);
    }

    ClockTime time;
};

} // namespace selvane
