// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/angletext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace selvane {
namespace {

TEST(HoursToText, ClockTexts) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "00:00"},
        {10.0, "10:00"},
        {5.5, "05:30"},
        {13.258, "13:15"},
        {9.9999, "10:00"},
        {23.9999, "24:00"},
        {-0.25, "-00:15"},
        // Minutes of exactly n + 0.5 go to the even neighbour.
        {0.125, "00:08"},
        {0.375, "00:22"},
        {1.0 + 37.5 / 60, "01:38"},
        {12.0 + 59.5 / 60, "13:00"}, // 59.5 rounds to 60 and carries
    };
    for (const auto& [hours, text] : cases)
        EXPECT_EQ(HoursToText(hours), text) << hours;
}

TEST(Sexagesimal, AngleModePiecesAndOffsets) {
    const SexagesimalPieces p = MakeSexagesimal(SexagesimalMode::Angle, -5.5);
    EXPECT_EQ(p.Text[0], "-    5\u00BA ");
    EXPECT_EQ(p.Text[1], "30' ");
    EXPECT_EQ(p.Text[2], "00\"");
    EXPECT_EQ(p.RightOffset, (std::array<int, 3>{0, 22, 43}));

    const SexagesimalPieces wide = MakeSexagesimal(SexagesimalMode::Angle, 285.0417);
    EXPECT_EQ(wide.Text[0], " 285\u00BA ");
    EXPECT_EQ(wide.Text[1], "02' ");
    EXPECT_EQ(wide.Text[2], "30\"");
    EXPECT_EQ(MakeSexagesimal(SexagesimalMode::Angle, 23.5).Text[0], "   23\u00BA ");
}

TEST(Sexagesimal, TimeModeTruncatesNeverShowing60) {
    const SexagesimalPieces p = MakeSexagesimal(SexagesimalMode::Time, 23.999);
    EXPECT_EQ(p.Text[0], "   23h ");
    EXPECT_EQ(p.Text[1], "59m ");
    EXPECT_EQ(p.Text[2], "56s");
    EXPECT_EQ(p.RightOffset, (std::array<int, 3>{0, 28, 50}));

    const SexagesimalPieces q = MakeSexagesimal(SexagesimalMode::Time, 8.9999999);
    EXPECT_EQ(q.Text[0], "     8h ");
    EXPECT_EQ(q.Text[1], "59m ");
    EXPECT_EQ(q.Text[2], "59s");
}

} // namespace
} // namespace selvane
