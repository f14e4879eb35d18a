// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of rise, transit, set and twilight times: "hh:mm", "None" and "*****", made from
// the numbers of engine/eventtime.h wherever they are shown, printed or written.

#include "engine/eventtime.h"

#include <cstddef>
#include <optional>
#include <string>

namespace selvane {

inline constexpr const char* kNoneText = "None";      // never rises or sets that day
inline constexpr const char* kOtherDayText = "*****"; // a Moon event not on this local date
inline constexpr std::size_t kEventTextLength = 10;   // characters the window's texts keep

// An event's text cut to `length` characters: at a clock time, HoursToText of its hours (the
// date's last half minute reads "24:00"); "None"; "*****"; empty for no value.
std::string EventText(const EventTime& event, std::size_t length = kEventTextLength);

// The minute of its date that an event's text shows, 0 to 1439; nothing for an event that is
// not at a clock time of the date, or that reads "24:00", the next date's midnight.
std::optional<int> ShownMinute(const EventTime& event) noexcept;

// Whether a's text comes before b's in plain character order, told without making the texts:
// "" (no value), then "*****", then the clock times in clock order ("24:00" last), then
// "None". Two events that read the same minute are equal. Clock times are those the rise and
// set computations give, from 0 to 1 day.
bool ReadsBefore(const EventTime& a, const EventTime& b) noexcept;

} // namespace selvane
