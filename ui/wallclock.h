#pragma once
// The one place the program reads the wall clock, so tests can fix the time.

#include "engine/timebase.h"

#include <QDateTime>

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

} // namespace selvane
