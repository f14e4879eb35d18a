// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/apsides.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(JdXgee, MeeusExample50a) {
    // The apogee of 1988 October 7, 20:30 UT.
    const Apsis apogee = jdXgee(-148.5);
    EXPECT_NEAR(apogee.JD, 2447442.3543, 0.5e-4);
    EXPECT_NEAR(apogee.Parallax, 3240.679, 0.0005);
    EXPECT_EQ(apogee.Distance, 405977);
    EXPECT_EQ(JDToDateText(apogee.JD, EnglishMonthNames()).Text, "20:30  07 October 1988");
}

TEST(JdXgee, IntegerIndicesArePerigees) {
    const Apsis perigee = jdXgee(-148);
    EXPECT_NEAR(perigee.JD, 2447458.0137, 0.5e-4);
    EXPECT_EQ(perigee.Distance, 361109);
    EXPECT_EQ(JDToDateText(perigee.JD, EnglishMonthNames()).Text, "12:19  23 October 1988");

    const Apsis june2024 = jdXgee(325);
    EXPECT_EQ(june2024.Distance, 369287);
    EXPECT_EQ(JDToDateText(june2024.JD, EnglishMonthNames()).Text.substr(0, 20),
              "11:46  27 June 2024");
}

TEST(GetApogeePerigee, TextsAreLocalTimeDayAndMonth) {
    const ClockTime noon{2024, 3, 5, 15, 12, 0, 0, 0};
    ApogeePerigee a = getApogeePerigee(noon, Observer(), EnglishMonthNames());
    EXPECT_EQ(a.PerigeeText, "07:06  10 Mar");
    EXPECT_EQ(a.PerigeeDistance, 356896);
    EXPECT_EQ(a.ApogeeText, "15:01  25 Feb");
    EXPECT_EQ(a.ApogeeDistance, 406314);

    // Ten hours east of Greenwich the same apsides show in local time, on their own dates.
    a = getApogeePerigee(noon, Observer(0.0, 0.0, -600), EnglishMonthNames());
    EXPECT_EQ(a.PerigeeText, "17:06  10 Mar");
    EXPECT_EQ(a.ApogeeText, "01:01  26 Feb");
}

} // namespace
} // namespace selvane
