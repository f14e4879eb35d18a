// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/monthtable.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(FillMonthTimeTable, RowsHoldTheDaysTextsCutToSixCharacters) {
    // Greenwich, March 2024: the equinox day's Sun and twilights as published for it.
    const MonthTimeTable march = FillMonthTimeTable(2024, 3, Observer{51.4769, 0.0, 0});
    const DayTimes& equinox = march.Days[19];
    EXPECT_EQ(TableText(equinox.SunTimes.Rise), "06:02");
    EXPECT_EQ(TableText(equinox.SunTimes.Transit), "12:07");
    EXPECT_EQ(TableText(equinox.SunTimes.Set), "18:14");
    EXPECT_EQ(TableText(equinox.CivilTwilight.Start), "05:29");
    EXPECT_EQ(TableText(equinox.CivilTwilight.End), "18:47");
    EXPECT_EQ(TableText(equinox.NauticalTwilight.Start), "04:49");
    EXPECT_EQ(TableText(equinox.NauticalTwilight.End), "19:27");
    EXPECT_EQ(TableText(equinox.AstronomicalTwilight.Start), "04:08");
    EXPECT_EQ(TableText(equinox.AstronomicalTwilight.End), "20:08");
    // 30 March has no moonrise on the local date.
    EXPECT_EQ(TableText(march.Days[29].MoonTimes.Rise), "*****");
    EXPECT_EQ(TableText(march.Days[29].MoonTimes.Transit), "03:33");
    EXPECT_EQ(TableText(march.Days[29].MoonTimes.Set), "07:14");

    // Berlin at midsummer: no astronomical night; the Moon transits after local midnight.
    const MonthTimeTable june = FillMonthTimeTable(2024, 6, Observer{52.52, -13.4, -60});
    const DayTimes& solstice = june.Days[20];
    EXPECT_EQ(TableText(solstice.AstronomicalTwilight.Start), "None");
    EXPECT_EQ(TableText(solstice.AstronomicalTwilight.End), "None");
    EXPECT_EQ(TableText(solstice.MoonTimes.Transit), "*****");
    EXPECT_EQ(TableText(solstice.MoonTimes.Rise), "20:56");
    EXPECT_EQ(solstice.Illumination, 99);
    // June has 30 days: the 31st row stays empty.
    EXPECT_FALSE(TableText(june.Days[29].SunTimes.Rise).empty());
    EXPECT_TRUE(TableText(june.Days[30].SunTimes.Rise).empty());
}

} // namespace
} // namespace selvane
