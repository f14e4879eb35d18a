// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/wallclock.h"

#include "core/settings.h"
#include "core/zones.h"
#include "engine/datemoves.h"

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

void ObserverClock::apply() {
    // A named zone the system knows gives the offset in force at each instant; without one
    // (or with one it does not know) the zone index and the daylight-saving flag give it.
    m_zone = NamedZone(m_record.ZoneName);
    m_offsets = m_zone.isValid() ? OffsetsOf(m_zone) : ZoneOffsets();
}

std::int32_t ObserverClock::read(ClockTime& time) const {
    // The calendar ends with 9999: a clock past its last second reads that second, so the
    // time shown never runs on beyond the date shown.
    const QDate lastDay(kLastYear, 12, 31);
    const QTime lastSecond(23, 59, 59);
    const QDateTime now = m_clock.now();
    if (m_zone.isValid()) {
        // The computer's clock in universal time, read in the named zone: right even when the
        // computer itself keeps another zone.
        QDateTime local = now.toTimeZone(m_zone);
        if (local.date() > lastDay)
            local = QDateTime(lastDay, lastSecond, m_zone);
        time = ClockTimeOf(local);
        return m_offsets(JulianDayOf(local));
    }
    time = ClockTimeOf(now.date() > lastDay ? QDateTime(lastDay, lastSecond) : now);
    return UTOffsetFromSettings(m_record.TimeZone, m_record.DaylightSavings);
}

} // namespace selvane
