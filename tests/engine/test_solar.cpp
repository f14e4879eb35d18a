// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/solar.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

constexpr double kArcsec = 1.0 / 3600.0;

TEST(Obliquity, MeeusExample22a) {
    // 1987 April 10, 0h: T = -0.127296372348.
    const ObliquityResult r = Obliquity((2446895.5 - kJ2000) / kDaysPerJulianCentury);
    EXPECT_NEAR(r.DeltaPsi * 3600.0, -3.788, 0.0005);
    EXPECT_NEAR(r.DeltaEpsilon * 3600.0, 9.443, 0.0005);
    EXPECT_NEAR(r.MeanEpsilon, 23.0 + 26.0 / 60 + 27.407 / 3600, 0.0005 * kArcsec);
    // The book adds the rounded 27.407" and 9.443"; unrounded the sum is 36.849".
    EXPECT_NEAR(r.Epsilon, 23.0 + 26.0 / 60 + 36.850 / 3600, 0.001 * kArcsec);
    EXPECT_NEAR(r.Epsilon, 23.443569, 0.5e-6);
}

TEST(SolarPosition, MeeusExample25b) {
    // 1992 October 13, 0h, taken here as universal time.
    const SolarResult s = SolarPosition(ClockTime{1992, 10, 0, 13, 0, 0, 0, 0}, Observer{});
    EXPECT_NEAR(s.Radius, 0.99760775, 0.5e-8);
    EXPECT_NEAR(s.GeometricLongitude, 199.907372, 0.5e-6);
    EXPECT_NEAR(s.ApparentLongitude, 199.906060, 1e-6);
    EXPECT_NEAR(s.RA, -161.621822, 0.5e-6); // 198.378178 reduced into (-180, 180]
    EXPECT_NEAR(s.Dec, -7.783871, 0.5e-6);
    // Observer at latitude 0, longitude 0.
    EXPECT_NEAR(s.Altitude, -81.50, 0.005);
    EXPECT_NEAR(s.Azimuth, 156.40, 0.005);
}

TEST(SolarPosition, TheZoneOffsetShiftsTheInstant) {
    // 01:00 local one hour east of Greenwich is 00:00 universal time.
    const Observer east{0.0, 0.0, -60};
    const SolarResult local = SolarPosition(ClockTime{1992, 10, 0, 13, 1, 0, 0, 0}, east);
    const SolarResult ut = SolarPositionAt(DateTimeToJD(1992, 10, 13, 0, 0, 0), Observer{});
    EXPECT_DOUBLE_EQ(local.RA, ut.RA);
    EXPECT_DOUBLE_EQ(local.Azimuth, ut.Azimuth);
}

TEST(SolarPosition, AzimuthFollowsTheSignOfTheLongitude) {
    // West-positive longitude: at 12:00 UT the Sun stands east of the meridian for an observer
    // 30 degrees west and west of it for one 30 degrees east.
    const JulianDay noon = DateTimeToJD(2024, 3, 20, 12, 0, 0);
    EXPECT_LT(SolarPositionAt(noon, Observer{45.0, 30.0, 0}).Azimuth, 180.0);
    EXPECT_GT(SolarPositionAt(noon, Observer{45.0, -30.0, 0}).Azimuth, 180.0);
    // South of the Sun in March the noon Sun is due north.
    EXPECT_NEAR(SolarPositionAt(noon, Observer{-45.0, 0.0, 0}).Azimuth, 0.0, 3.0);
}

} // namespace
} // namespace selvane
