// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/coordinates.h"
#include "engine/lunar.h"
#include "engine/lunarprops.h"
#include "engine/numeric.h"
#include "engine/solar.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

// 1992 April 12, 0h: the Moon of Meeus's Example 47.a (taken here as universal time).
constexpr JulianDay kExample47a = 2448724.5;
const ClockTime kExample47aClock{1992, 4, 0, 12, 0, 0, 0, 0};

TEST(CLP, MeeusExample47a) {
    const LunarPosition m = CLP(kExample47a, Observer{});
    // The book prints lambda 133.167270 and H 1.14770 rad; a straight evaluation gives
    // 133.1672695 and 1.1476933: one unit in the last printed digit.
    EXPECT_NEAR(m.Longitude, 133.167270, 1e-6);
    EXPECT_NEAR(m.Latitude, -3.229127, 0.5e-6);
    EXPECT_EQ(m.Distance, 368410);
    EXPECT_NEAR(m.Parallax, 0.991989, 0.5e-6);
    EXPECT_NEAR(m.RA, 134.688474, 0.5e-6);
    EXPECT_NEAR(m.Dec, 13.768365, 0.5e-6);
    // Printed 0.0046097; the 63 terms give 0.00460956.
    EXPECT_NEAR(m.DeltaPsi, 0.0046097, 1.5e-7);
    EXPECT_NEAR(m.Epsilon, 23.440635, 0.5e-6);
    EXPECT_NEAR(m.PhaseAngle, 69.07, 0.005);
    EXPECT_EQ(m.Percent, 68);
    EXPECT_NEAR(m.HourAngle, 1.14770, 1e-5);
    EXPECT_NEAR(RadToDeg(m.HourAngle), 65.758, 0.0005);
    EXPECT_NEAR(m.Azimuth, 285.04, 0.005);
    EXPECT_NEAR(m.Altitude, 23.50, 0.005);
    EXPECT_NEAR(m.NutationInRA, std::cos(DegToRad(m.Epsilon)) * m.DeltaPsi * 3600.0, 1e-12);
}

TEST(MoonApparentGeocentric, MeeusExample47aWithTheDistanceUnrounded) {
    const MoonGeocentric g = MoonApparentGeocentric(kExample47a);
    EXPECT_NEAR(g.Distance, 368409.7, 0.05);
    // The place CLP gives, without the observer.
    const LunarPosition m = CLP(kExample47a, Observer{});
    EXPECT_EQ(g.RA, m.RA);
    EXPECT_EQ(g.Dec, m.Dec);
    EXPECT_EQ(g.Longitude, m.Longitude);
}

TEST(ObserverGeocentric, MeeusExample11a) {
    // Palomar: latitude 33 21' 22" N, 1706 m above sea level.
    const GeocentricPlace p = ObserverGeocentric(33.0 + 21.0 / 60 + 22.0 / 3600, 1706.0);
    EXPECT_NEAR(p.RhoSinPhi, 0.546861, 0.5e-6);
    EXPECT_NEAR(p.RhoCosPhi, 0.836339, 0.5e-6);
}

TEST(CLP, RightAscensionIsNegativeInTheSecondHalfOfTheEcliptic) {
    // Sample a month: RA stays in (-180, 180] and has the sign of sin(lambda) away from the
    // equinoxes.
    for (int day = 0; day < 28; ++day) {
        const LunarPosition m = CLP(kExample47a + day, Observer{});
        ASSERT_GT(m.RA, -180.0);
        ASSERT_LE(m.RA, 180.0);
        const double lambda = Normalize360(m.Longitude);
        if (lambda > 190.0 && lambda < 350.0) {
            EXPECT_LT(m.RA, 0.0) << "lambda " << lambda;
        }
        if (lambda > 10.0 && lambda < 170.0) {
            EXPECT_GT(m.RA, 0.0) << "lambda " << lambda;
        }
    }
}

TEST(CLP, IlluminationIsFullAtFullMoonAndNoneAtNewMoon) {
    // The Full Moon of 2024 March 25, 07:00 UT and the New Moon of March 10, 09:00 UT.
    EXPECT_EQ(CLP(DateTimeToJD(2024, 3, 25, 7, 0, 0), Observer{}).Percent, 100);
    EXPECT_EQ(CLP(DateTimeToJD(2024, 3, 10, 9, 0, 0), Observer{}).Percent, 0);
    EXPECT_LT(CLP(DateTimeToJD(2024, 3, 25, 7, 0, 0), Observer{}).PhaseAngle, 2.0);
    EXPECT_GT(CLP(DateTimeToJD(2024, 3, 10, 9, 0, 0), Observer{}).PhaseAngle, 175.0);
}

TEST(CalculateSelvane, MoonPanelAtGreenwichLatitudeZero) {
    const MoonPanel p = CalculateSelvane(kExample47aClock, Observer{}, EnglishMonthNames());
    EXPECT_EQ(p.Percent, 68);
    EXPECT_EQ(p.VisibleText, "68 %");
    EXPECT_EQ(p.DistanceText, "368410 km");
    EXPECT_NEAR(p.Geocentric.RA, 134.688474, 0.5e-6);
    EXPECT_NEAR(p.Geocentric.Dec, 13.768365, 0.5e-6);
    EXPECT_NEAR(p.Topo.RA, 133.750460, 0.5e-6);
    EXPECT_NEAR(p.TopoRAHours, 8.916697, 0.5e-6);
    EXPECT_NEAR(p.Topo.Dec, 13.864185, 0.5e-6);
    EXPECT_NEAR(p.Position.Parallax, 0.991989, 0.5e-6);
    EXPECT_NEAR(p.Diameter, 0.544304, 0.5e-6);
    EXPECT_NEAR(p.Position.Azimuth, 285.04, 0.005);
    EXPECT_NEAR(p.Position.Altitude, 23.50, 0.005);
    EXPECT_EQ(p.PhaseAngleText, "69\u00BA");
    EXPECT_EQ(p.Phases.MajorPhaseCount, 4); // April 1992: the month's phases come along
}

TEST(CalculateSelvane, TopocentricPlaceDependsOnTheObserver) {
    const Observer observer{53.3333, 6.25, 0};
    const MoonPanel p = CalculateSelvane(kExample47aClock, observer, EnglishMonthNames());
    EXPECT_NEAR(p.Topo.RA, 134.158960, 0.5e-6);
    EXPECT_NEAR(p.Topo.Dec, 13.064360, 0.5e-6);
    EXPECT_NEAR(p.Diameter, 0.545112, 0.5e-6);
    EXPECT_NEAR(p.Position.Azimuth, 253.17, 0.005);
    EXPECT_NEAR(p.Position.Altitude, 29.03, 0.005);
}

TEST(PhaseAngleText, WholeDegreesHalvesToEven) {
    EXPECT_EQ(PhaseAngleText(0.4), "0\u00BA");
    EXPECT_EQ(PhaseAngleText(179.6), "180\u00BA");
    EXPECT_EQ(PhaseAngleText(68.5), "68\u00BA");
    EXPECT_EQ(PhaseAngleText(69.5), "70\u00BA");
}

TEST(AgeText, FieldsAreTruncatedNeverRoundedUp) {
    EXPECT_EQ(AgeText(5.13), "05d 03h 07m");
    EXPECT_EQ(AgeText(12.5), "12d 12h 00m");
    EXPECT_EQ(AgeText(29.3521), "29d 08h 27m");
    EXPECT_EQ(AgeText(0.0), "00d 00h 00m");
    EXPECT_EQ(AgeText(1.0 - 1e-9), "00d 23h 59m");
}

TEST(CalculateLunarProperties, AgeCountsFromTheLatestNewMoon) {
    // New Moons: 2024 March 10, 09:00 UT (k = 299) and 1977 February 18, 03:37 UT (k = -283).
    const JulianDay nm2024 = getMoonJD(299, 0.0);
    const CalendarInstant c = JDToCalendar(nm2024 + 2.0 / 1440);
    const ClockTime justAfter{static_cast<std::uint16_t>(c.Year),
                              static_cast<std::uint16_t>(c.Month),
                              0,
                              static_cast<std::uint16_t>(c.Day),
                              static_cast<std::uint16_t>(c.Hour),
                              static_cast<std::uint16_t>(c.Minute),
                              0,
                              0};
    LunarProperties p = CalculateLunarProperties(justAfter, Observer{}, EnglishMonthNames());
    EXPECT_DOUBLE_EQ(p.LatestNewMoon, nm2024);
    EXPECT_EQ(p.AgeText.substr(0, 8), "00d 00h ");

    // Just before that New Moon the age is almost a whole lunation.
    p = CalculateLunarProperties(ClockTime{2024, 3, 0, 10, 8, 0, 0, 0}, Observer{},
                                 EnglishMonthNames());
    EXPECT_DOUBLE_EQ(p.LatestNewMoon, getMoonJD(298, 0.0));
    EXPECT_GT(p.AgeDays, 29.0);

    // Before 2000 (negative T) the latest New Moon is found too, not one a lunation earlier.
    p = CalculateLunarProperties(ClockTime{1977, 2, 0, 20, 4, 0, 0, 0}, Observer{},
                                 EnglishMonthNames());
    EXPECT_DOUBLE_EQ(p.LatestNewMoon, getMoonJD(-283, 0.0));
    EXPECT_EQ(p.AgeText, "02d 00h 22m");
}

TEST(CalculateLunarProperties, ApsidesAndTheirTexts) {
    const LunarProperties p = CalculateLunarProperties(ClockTime{2024, 3, 5, 15, 12, 0, 0, 0},
                                                       Observer{}, EnglishMonthNames());
    EXPECT_EQ(p.Apsides.PerigeeText, "07:06  10 Mar");
    EXPECT_EQ(p.PerigeeDistanceText, "356896 km");
    EXPECT_EQ(p.Apsides.ApogeeText, "15:01  25 Feb");
    EXPECT_EQ(p.ApogeeDistanceText, "406314 km");
}

TEST(BrightLimbAngle, MeeusExample48a) {
    const LunarPosition moon = CLP(kExample47a, Observer{});
    const SolarResult sun = SolarPositionAt(kExample47a, Observer{});
    EXPECT_NEAR(BrightLimbAngle(moon.RA, moon.Dec, sun.RA, sun.Dec), 285.0, 0.05);
    // Always reduced to [0, 360).
    for (double ra = -180.0; ra < 180.0; ra += 37.0) {
        const double chi = BrightLimbAngle(ra, -20.0, 0.0, 20.0);
        EXPECT_GE(chi, 0.0);
        EXPECT_LT(chi, 360.0);
    }
}

TEST(LocalSiderealTimeText, MeeusExample12bAndTheLongitudeSign) {
    // 1987 April 10, 19:21:00 UT: mean sidereal time 8h 34m 57.0896s.
    const JulianDay jd = DateTimeToJD(1987, 4, 10, 19, 21, 0);
    EXPECT_EQ(LocalSiderealTimeText(jd, 0.0), "LST: 08:34:57");
    EXPECT_EQ(LocalSiderealTimeText(jd, 15.0), "LST: 07:34:57");   // 15 degrees west
    EXPECT_EQ(LocalSiderealTimeText(jd, -135.0), "LST: 17:34:57"); // 135 degrees east
}

} // namespace
} // namespace selvane
