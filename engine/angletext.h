// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts in which the windows show times and angles.

#include <array>
#include <cstdint>
#include <string>

namespace selvane {

// The hour and minute a clock text shows.
struct ClockReading {
    std::int64_t Hour = 0;
    std::int64_t Minute = 0; // 0 to 59
};

// What a clock shows for non-negative decimal hours: the hours truncated, the minutes rounded
// with halves to even, a minute count of 60 carried into the hours. No wrap: 23.9999 reads
// 24:00.
ClockReading DisplayedClock(double hours) noexcept;

// Decimal hours as "hh:mm", the DisplayedClock reading of their magnitude with a "-" before a
// negative value: 23.9999 gives "24:00"; -0.25 gives "-00:15".
std::string HoursToText(double hours);

// The degree mark of the displayed angles: U+00BA, the masculine ordinal sign.
inline constexpr const char* kDegreeMark = "\u00BA";

enum class SexagesimalMode { Angle = 0, Time = 1 };

// The three pieces of a sexagesimal value (degrees-minutes-seconds or hours-minutes-seconds)
// and where each one's right end goes, in pixels right of the first piece's right end.
// Minutes and seconds are truncated, so a piece never shows 60.
struct SexagesimalPieces {
    std::array<std::string, 3> Text;
    std::array<int, 3> RightOffset;
};
SexagesimalPieces MakeSexagesimal(SexagesimalMode mode, double value);

} // namespace selvane
