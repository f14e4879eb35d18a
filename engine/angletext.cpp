// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/angletext.h"

#include "engine/numeric.h"

#include <cmath>
#include <string>

namespace selvane {

namespace {

// "0" before single digits: the two-digit fields of the clock and angle texts.
std::string TwoDigits(std::int64_t value) {
    std::string text(value < 10 ? "0" : "");
    text += std::to_string(value);
    return text;
}

struct ModeMarks {
    std::array<const char*, 3> Mark;
    std::array<int, 3> RightOffset;
};

constexpr std::array<ModeMarks, 2> kModeMarks = {{
    {{"\u00BA ", "' ", "\""}, {0, 22, 43}}, // angle
    {{"h ", "m ", "s"}, {0, 28, 50}},       // time
}};

} // namespace

ClockReading DisplayedClock(double hours) noexcept {
    ClockReading reading{Trunc(hours), 0};
    reading.Minute =
        static_cast<std::int64_t>(Round((hours - static_cast<double>(reading.Hour)) * 60.0));
    if (reading.Minute == 60) {
        reading.Minute = 0;
        ++reading.Hour;
    }
    return reading;
}

std::string HoursToText(double hours) {
    std::string text;
    if (hours < 0.0) {
        text = "-";
        hours = -hours;
    }
    const ClockReading reading = DisplayedClock(hours);
    return text + TwoDigits(reading.Hour) + ":" + TwoDigits(reading.Minute);
}

SexagesimalPieces MakeSexagesimal(SexagesimalMode mode, double value) {
    const ModeMarks& marks = kModeMarks[static_cast<std::size_t>(mode)];
    std::string prefix = " ";
    if (value < 0.0) {
        prefix = "-";
        value = -value;
    }
    if (value < 100.0)
        prefix += "  ";
    if (value < 10.0)
        prefix += "  ";

    const std::int64_t whole = Trunc(value);
    const double minutes = (value - static_cast<double>(whole)) * 60.0;
    const double seconds = (minutes - std::trunc(minutes)) * 60.0;

    SexagesimalPieces pieces;
    pieces.Text = {prefix + std::to_string(whole) + marks.Mark[0],
                   TwoDigits(Trunc(minutes)) + marks.Mark[1],
                   TwoDigits(Trunc(seconds)) + marks.Mark[2]};
    pieces.RightOffset = marks.RightOffset;
    return pieces;
}

} // namespace selvane
