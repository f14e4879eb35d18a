// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// When a rise, transit, set or twilight happens on a local calendar date, as a number: the
// value the rise and set computations return and the month's table keeps. Its texts ("hh:mm",
// "None", "*****") come from engine/risesettext.h.

#include "engine/numeric.h"

#include <cstdint>

namespace selvane {

enum class EventState : std::uint8_t {
    Empty,     // no value: a month table's rows past the month's last day
    At,        // at a clock time of the date
    None,      // does not happen at all that day
    OtherDate, // the Moon's event happens, but on another local date
};

struct EventTime {
    EventState State = EventState::Empty;
    // With At: days after the date's local midnight, from 0 to 1 inclusive (1 is the next
    // midnight), at full precision; 0 otherwise.
    double DayFraction = 0.0;

    friend bool operator==(const EventTime&, const EventTime&) = default;
};

inline constexpr EventTime kNoneEvent{EventState::None, 0.0};
inline constexpr EventTime kOtherDateEvent{EventState::OtherDate, 0.0};

constexpr EventTime EventAt(double dayFraction) noexcept {
    return {EventState::At, dayFraction};
}

// The hours after local midnight of an event at a clock time.
constexpr double EventHours(const EventTime& event) noexcept {
    return event.DayFraction * kHoursPerDay;
}

} // namespace selvane
