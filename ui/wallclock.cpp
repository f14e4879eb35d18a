#include "ui/wallclock.h"

namespace selvane {

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

ClockTime ClockTimeOf(const QDateTime& reading) {
    const QDate d = reading.date();
    const QTime t = reading.time();
    ClockTime c;
    c.Year = static_cast<std::uint16_t>(d.year());
    c.Month = static_cast<std::uint16_t>(d.month());
    c.DayOfWeek = static_cast<std::uint16_t>(d.dayOfWeek() % 7); // Qt: 7 = Sunday
    c.Day = static_cast<std::uint16_t>(d.day());
    c.Hour = static_cast<std::uint16_t>(t.hour());
    c.Minute = static_cast<std::uint16_t>(t.minute());
    c.Second = static_cast<std::uint16_t>(t.second());
    c.Milliseconds = static_cast<std::uint16_t>(t.msec());
    return c;
}

} // namespace selvane
