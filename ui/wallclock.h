#pragma once
// The one place the program reads the wall clock, so tests can fix the time.

#include "engine/timebase.h"

namespace selvane {

class WallClock {
public:
    virtual ~WallClock() = default;
    // The local wall-clock time now.
    virtual ClockTime now() const = 0;
};

// The machine's local time.
class SystemClock final : public WallClock {
public:
    ClockTime now() const override;
};

} // namespace selvane
