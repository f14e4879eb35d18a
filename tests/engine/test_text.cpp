// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/text.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(ParseDecimal, AcceptsOnlyWholeDecimalIntegers) {
    EXPECT_EQ(ParseDecimal("12"), 12);
    EXPECT_EQ(ParseDecimal("-7"), -7);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("007"), 7);
    for (const char* bad : {"", " ", "12a", "1.5", "--1", "+-1", "+", "0x10", "99999999999", " 5"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << '"' << bad << '"';
}

TEST(FixedDecimals, RoundsHalvesToEvenAndWritesADecimalPoint) {
    struct Case {
        double Value;
        int Decimals;
        const char* Text;
    };
    const Case cases[] = {
        {1.1784, 3, "1.178"},   {0.9995, 3, "1.000"}, // carries into the whole part
        {0.0625, 3, "0.062"},   {0.1875, 3, "0.188"}, // exact halves: to the even neighbour
        {-0.0031, 3, "-0.003"}, {-0.0004, 3, "-0.000"}, {2.5, 0, "2"},
        {3.5, 0, "4"},          {12.0, 1, "12.0"},      {0.05, 6, "0.050000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FixedDecimals(c.Value, c.Decimals), c.Text) << c.Value;
}

TEST(GroupedThousands, SetsThousandsApartBySpaces) {
    EXPECT_EQ(GroupedThousands(356738), "356 738");
    EXPECT_EQ(GroupedThousands(999), "999");
    EXPECT_EQ(GroupedThousands(1000), "1 000");
    EXPECT_EQ(GroupedThousands(-1234567), "-1 234 567");
    EXPECT_EQ(GroupedThousands(0), "0");
}

} // namespace
} // namespace selvane
