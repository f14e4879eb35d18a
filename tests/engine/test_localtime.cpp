// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/localtime.h"

#include "testclocks.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

const Observer kBritish(51.4769, 0.0, 0, BritishOffset);
const Observer kSydneyFixed(-33.87, -151.21, -600); // ten hours east, no zone function

struct Reading {
    int Month, Day, Hour, Minute;
};

JulianDay At(const Reading& r) {
    return DateTimeToJD(2024, r.Month, r.Day, r.Hour, r.Minute, 0);
}

// The British clock in 2024 changes at 01:00 UT on 31 March (to BST) and 27 October (back).
TEST(LocalToUniversal, BritishClockAroundItsChangesAndAFixedZone) {
    struct Row {
        const Observer* Place;
        Reading Local, Universal;
    };
    const Row rows[] = {
        {&kBritish, {1, 15, 12, 0}, {1, 15, 12, 0}},    // GMT
        {&kBritish, {7, 1, 12, 0}, {7, 1, 11, 0}},      // BST
        {&kBritish, {3, 31, 0, 59}, {3, 31, 0, 59}},    // the last minute of GMT
        {&kBritish, {3, 31, 1, 30}, {3, 31, 1, 30}},    // skipped: read with the offset before
        {&kBritish, {3, 31, 2, 0}, {3, 31, 1, 0}},      // the first minute of BST
        {&kBritish, {10, 27, 0, 30}, {10, 26, 23, 30}}, // BST
        {&kBritish, {10, 27, 1, 30}, {10, 27, 1, 30}},  // repeated: the later, GMT
        {&kSydneyFixed, {3, 14, 10, 0}, {3, 14, 0, 0}},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(LocalToUniversal(At(r.Local), *r.Place), At(r.Universal), 1e-6)
            << r.Local.Month << "-" << r.Local.Day << " " << r.Local.Hour << ":" << r.Local.Minute;
}

TEST(UniversalToLocal, BritishClockAroundItsChangesAndAFixedZone) {
    struct Row {
        const Observer* Place;
        Reading Universal, Local;
        std::int32_t Offset;
    };
    const Row rows[] = {
        {&kBritish, {3, 31, 0, 59}, {3, 31, 0, 59}, 0},
        {&kBritish, {3, 31, 1, 0}, {3, 31, 2, 0}, -60},
        {&kBritish, {10, 27, 0, 59}, {10, 27, 1, 59}, -60},
        {&kBritish, {10, 27, 1, 0}, {10, 27, 1, 0}, 0},
        {&kSydneyFixed, {3, 13, 20, 0}, {3, 14, 6, 0}, -600},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(UniversalToLocal(At(r.Universal), *r.Place), At(r.Local), 1e-6)
            << r.Universal.Month << "-" << r.Universal.Day;
        EXPECT_EQ(OffsetAt(*r.Place, At(r.Universal)), r.Offset);
    }
    // A clock reading and its offset: noon on a clock two hours ahead is 10:00 UT.
    EXPECT_DOUBLE_EQ(UniversalJD({2024, 6, 5, 21, 12, 0, 0, 0}, -120), At({6, 21, 10, 0}));
}

} // namespace
} // namespace selvane
