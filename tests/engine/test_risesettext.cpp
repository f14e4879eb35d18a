// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/risesettext.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace selvane {
namespace {

// A clock time of the date as a day fraction.
EventTime ClockAt(int hour, int minute, int second) {
    return EventAt((hour * 3600.0 + minute * 60.0 + second) / 86400.0);
}

constexpr int kNoMinute = -1;

TEST(EventText, TheTextAndTheMinuteAnEventShows) {
    struct Row {
        EventTime Event;
        const char* Text;
        int Minute; // ShownMinute, kNoMinute for none
    };
    // Day fractions j/64 are 3j/8 hours exactly: 22.5, 67.5, 112.5 and 157.5 minutes, halves
    // that go to the even neighbour.
    const Row rows[] = {
        {EventAt(0.0), "00:00", 0},
        {EventAt(1.0 / 64), "00:22", 22},
        {EventAt(3.0 / 64), "01:08", 68},
        {EventAt(5.0 / 64), "01:52", 112},
        {EventAt(7.0 / 64), "02:38", 158},
        {ClockAt(5, 12, 40), "05:13", 313},
        {ClockAt(23, 59, 20), "23:59", 1439},
        // The date's last half minute reads as the next midnight, which is no minute of it.
        {ClockAt(23, 59, 40), "24:00", kNoMinute},
        {EventAt(1.0), "24:00", kNoMinute},
        {EventAt(-1.0 / 64), "-00:22", kNoMinute},
        {kNoneEvent, "None", kNoMinute},
        {kOtherDateEvent, "*****", kNoMinute},
        {EventTime{}, "", kNoMinute},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.Text << " at " << r.Event.DayFraction);
        EXPECT_EQ(EventText(r.Event), r.Text);
        const std::optional<int> minute = ShownMinute(r.Event);
        EXPECT_EQ(minute.value_or(kNoMinute), r.Minute);
    }
}

} // namespace
} // namespace selvane
