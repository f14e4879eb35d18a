#include "ui/wallclock.h"

#include <QDateTime>

namespace selvane {

ClockTime SystemClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime tm = t.time();
    ClockTime c;
    c.Year = static_cast<std::uint16_t>(d.year());
    c.Month = static_cast<std::uint16_t>(d.month());
    c.DayOfWeek = static_cast<std::uint16_t>(d.dayOfWeek() % 7); // Qt: 7 = Sunday
    c.Day = static_cast<std::uint16_t>(d.day());
    c.Hour = static_cast<std::uint16_t>(tm.hour());
    c.Minute = static_cast<std::uint16_t>(tm.minute());
    c.Second = static_cast<std::uint16_t>(tm.second());
    c.Milliseconds = static_cast<std::uint16_t>(tm.msec());
    return c;
}

} // namespace selvane
