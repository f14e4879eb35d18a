// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one place the program reads the wall clock, so tests can fix the time.

#include "engine/localtime.h"

#include <QDateTime>
#include <QTimeZone>

namespace selvane {

class WallClock {
public:
    virtual ~WallClock() = default;
    // The present instant. Its own reading (QDateTime::date() and time()) is the computer's
    // local clock; toTimeZone() gives it in any zone.
    virtual QDateTime now() const = 0;
};

// The machine's clock.
class SystemClock final : public WallClock {
public:
    QDateTime now() const override;
};

// The eight fields of a date-time's own reading.
ClockTime ClockTimeOf(const QDateTime& reading);

struct Settings;

// The observer's clock as the settings record sets it: the computer's clock read in the named
// zone the record asks for when the system knows it, else with the record's fixed zone and
// daylight-saving flag.
class ObserverClock {
public:
    ObserverClock(const WallClock& clock, const Settings& record)
        : m_clock(clock)
        , m_record(record) {}

    // Takes the record's named zone, or none.
    void apply();
    // Reads the present into `time` and returns the offset in force: minutes to add to the
    // reading to get universal time. A reading past 9999-12-31 23:59:59 reads that second.
    std::int32_t read(ClockTime& time) const;

    // The present instant.
    QDateTime now() const { return m_clock.now(); }

    // The named zone; invalid with the fixed offset.
    const QTimeZone& zone() const { return m_zone; }
    // The named zone's offsets for the engine; empty with the fixed offset.
    const ZoneOffsets& offsets() const { return m_offsets; }

private:
    const WallClock& m_clock;
    const Settings& m_record;
    QTimeZone m_zone;
    ZoneOffsets m_offsets;
};

} // namespace selvane
