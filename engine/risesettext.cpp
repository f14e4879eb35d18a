// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/risesettext.h"

#include "engine/angletext.h"
#include "engine/text.h"

#include <tuple>

namespace selvane {

namespace {

// Where an event's kind of text stands in character order: '*' (0x2A) comes before the digits,
// 'N' (0x4E) after them.
int TextRank(EventState state) noexcept {
    switch (state) {
    case EventState::Empty:
        return 0;
    case EventState::OtherDate:
        return 1;
    case EventState::At:
        return 2;
    case EventState::None:
        return 3;
    }
    return 0;
}

} // namespace

std::string EventText(const EventTime& event, std::size_t length) {
    switch (event.State) {
    case EventState::At:
        return Utf8Left(HoursToText(EventHours(event)), length);
    case EventState::None:
        return Utf8Left(kNoneText, length);
    case EventState::OtherDate:
        return Utf8Left(kOtherDayText, length);
    case EventState::Empty:
        break;
    }
    return {};
}

std::optional<int> ShownMinute(const EventTime& event) noexcept {
    const double hours = EventHours(event);
    // A negative value would read "-hh:mm": no clock time of the date either.
    if (event.State != EventState::At || hours < 0.0)
        return std::nullopt;
    const ClockReading shown = DisplayedClock(hours);
    if (shown.Hour > 23)
        return std::nullopt;
    return static_cast<int>(shown.Hour * 60 + shown.Minute);
}

bool ReadsBefore(const EventTime& a, const EventTime& b) noexcept {
    if (a.State != EventState::At || b.State != EventState::At)
        return TextRank(a.State) < TextRank(b.State);
    // Two-digit "hh:mm" texts compare as the readings they show.
    const ClockReading x = DisplayedClock(EventHours(a));
    const ClockReading y = DisplayedClock(EventHours(b));
    return std::tie(x.Hour, x.Minute) < std::tie(y.Hour, y.Minute);
}

} // namespace selvane
