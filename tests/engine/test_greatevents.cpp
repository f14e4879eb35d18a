// The great events of a month or a year: eclipses, supermoons, blue moons, and their texts.
//
// Eclipse dates and numbers are the Five Millennium Canons' (see test_eclipses.cpp); the Full
// Moon instants and distances and the Moon's altitude at them are PyEphem's (Debian's
// python3-ephem 4.1.4, next_full_moon and the geocentric distance there); the perigee of 2016
// November 14 is F. Espenak's table of lunar perigees (11:21 UT, 356 511 km).

#include "engine/greatevents.h"
#include "engine/greateventstext.h"
#include "engine/numeric.h"

#include "testclocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <vector>

namespace selvane {
namespace {

const Observer kGreenwich{51.4769, 0.0, 0};
const Observer kMadrid{40.4168, 3.7038, -60, CentralEuropeanOffset};

std::vector<GreatEvent> OfKind(const std::vector<GreatEvent>& events, GreatEventKind kind) {
    std::vector<GreatEvent> out;
    std::copy_if(events.begin(), events.end(), std::back_inserter(out),
                 [kind](const GreatEvent& e) { return e.Kind == kind; });
    return out;
}

TEST(MoonGreatEvents, TheYear2026InMadrid) {
    // Feb 17 annular eclipse of Antarctica; Mar 3 total lunar eclipse, the Moon below Madrid's
    // horizon throughout; May 31 the month's second Full Moon (10:45 CEST, the Moon down);
    // Aug 12 total solar eclipse, seen at sunset; Aug 28 partial lunar eclipse before dawn;
    // Dec 24 the year's only Full Moon nearer than 360 000 km (356 738 km, the Moon up).
    struct Expected {
        GreatEventKind Kind;
        int Month, Day;
        bool Visible;
    };
    const Expected expected[] = {
        {GreatEventKind::SolarEclipse, 2, 17, false}, {GreatEventKind::LunarEclipse, 3, 3, false},
        {GreatEventKind::BlueMoon, 5, 31, false},     {GreatEventKind::SolarEclipse, 8, 12, true},
        {GreatEventKind::LunarEclipse, 8, 28, true},  {GreatEventKind::Supermoon, 12, 24, true},
    };
    const std::vector<GreatEvent> events = MoonGreatEvents(2026, kWholeYear, kMadrid);
    ASSERT_EQ(events.size(), std::size(expected));
    for (std::size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].Kind, expected[i].Kind);
        EXPECT_EQ(events[i].Local.Year, 2026);
        EXPECT_EQ(events[i].Local.Month, expected[i].Month);
        EXPECT_EQ(events[i].Local.Day, expected[i].Day);
        EXPECT_EQ(events[i].Visible, expected[i].Visible);
        EXPECT_EQ(events[i].Lunar.has_value(), expected[i].Kind == GreatEventKind::LunarEclipse);
        EXPECT_EQ(events[i].Solar.has_value(), expected[i].Kind == GreatEventKind::SolarEclipse);
        if (i > 0) {
            EXPECT_LT(events[i - 1].UT, events[i].UT);
        }
    }
    // A month's list is that month's part of the year's.
    const std::vector<GreatEvent> august = MoonGreatEvents(2026, 8, kMadrid);
    ASSERT_EQ(august.size(), 2u);
    EXPECT_EQ(august[0].UT, events[3].UT);
    EXPECT_EQ(august[1].UT, events[4].UT);
    EXPECT_TRUE(MoonGreatEvents(2026, 4, kMadrid).empty());
}

TEST(MoonGreatEvents, TheTotalLunarEclipseOf2025March14SeenFromMadrid) {
    // The month also has the partial solar eclipse of March 29, seen from Madrid before noon
    // (PyEphem: magnitude 0.317, the Sun 47 degrees up at greatest eclipse).
    const std::vector<GreatEvent> events = MoonGreatEvents(2025, 3, kMadrid);
    ASSERT_EQ(events.size(), 2u);
    const GreatEvent& e = events[0];
    ASSERT_TRUE(e.Lunar.has_value());
    EXPECT_EQ(e.Lunar->Kind, LunarEclipseKind::Total);
    EXPECT_TRUE(e.Visible); // the Moon sets in totality (PyEphem: U2 at +1.4 degrees)
    EXPECT_NEAR(e.Lunar->UmbralMagnitude, 1.1784, 0.005);
    // Greatest eclipse 06:59:56 TD, Delta-T 75 s: 06:58:41 UT, 07:58 on Madrid's clock.
    const double minutes =
        (UniversalToLocal(e.UT, kMadrid) - DateTimeToJD(2025, 3, 14, 0, 0, 0)) * kMinutesPerDay;
    EXPECT_NEAR(minutes, 7 * 60 + 58.7, 0.5);
    EXPECT_EQ(e.Local.Hour, 7);
    EXPECT_EQ(e.Local.Minute, 58);

    const GreatEvent& s = events[1];
    ASSERT_TRUE(s.Solar.has_value());
    EXPECT_EQ(s.Solar->Kind, SolarEclipseKind::Partial);
    EXPECT_TRUE(s.Visible);
    EXPECT_EQ(s.Local.Day, 29);
    EXPECT_NEAR(s.Solar->Local.Magnitude, 0.3170, 0.005);
}

TEST(MoonGreatEvents, TheTotalSolarEclipseOf2026August12SeenFromMadrid) {
    const std::vector<GreatEvent> events = MoonGreatEvents(2026, 8, kMadrid);
    ASSERT_FALSE(events.empty());
    const GreatEvent& e = events[0];
    ASSERT_TRUE(e.Solar.has_value());
    EXPECT_EQ(e.Solar->Kind, SolarEclipseKind::Total);
    EXPECT_TRUE(e.Visible);
    const LocalSolarEclipse& l = e.Solar->Local;
    EXPECT_EQ(l.Kind, SolarEclipseKind::Partial); // PyEphem: magnitude 0.9990, 99.97 % covered
    EXPECT_NEAR(l.Magnitude, 0.9990, 0.005);
    // PyEphem's greatest eclipse 18:32:17 UT, 20:32 on Madrid's summer clock; the Sun sets
    // before the end (C4 at -2.3 degrees).
    const double minutes =
        (UniversalToLocal(e.UT, kMadrid) - DateTimeToJD(2026, 8, 12, 0, 0, 0)) * kMinutesPerDay;
    EXPECT_NEAR(minutes, 20 * 60 + 32.3, 0.5);
    EXPECT_EQ(e.UT, l[SolarContact::Greatest].UT);
    EXPECT_TRUE(l[SolarContact::C1].AboveHorizon);
    EXPECT_FALSE(l[SolarContact::C4].AboveHorizon);
}

TEST(MoonGreatEvents, BlueMoonsFallOnTheObserversDates) {
    // PyEphem's Full Moons (UT): 2015 Jul 2 02:20 and 31 10:43; 2018 Jan 2 02:24 and 31 13:27,
    // Mar 2 00:51 and 31 12:37; 2020 Oct 1 21:05 and 31 14:49; 2023 Aug 1 18:32 and 31 01:36;
    // 2026 May 1 17:23 and 31 08:45, Jun 29 23:57.
    struct Case {
        int Year, Month;
        std::int32_t Offset; // minutes to add to the clock to get UT
        int BlueDay;         // local date of the blue moon, 0 for none
    };
    const Case cases[] = {
        {2015, 7, 0, 31},    {2018, 1, 0, 31},
        {2018, 1, -660, 0},  // Sydney, UT+11: the second Full Moon falls on February 1
        {2018, 2, -660, 0},  // ... and is February's only one there
        {2018, 3, -660, 31}, // 23:37 on March 31 in Sydney
        {2018, 3, 600, 31},  // Honolulu, UT-10: 02:37 on March 31
        {2020, 10, 0, 31},   {2023, 8, 0, 31},
        {2023, 8, 240, 30}, // New York, UT-4: 21:36 on August 30
        {2026, 5, 0, 31},    {2026, 6, 0, 0},
    };
    for (const Case& c : cases) {
        const Observer observer{0.0, 0.0, c.Offset};
        const auto blue =
            OfKind(MoonGreatEvents(c.Year, c.Month, observer), GreatEventKind::BlueMoon);
        SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << " offset " << c.Offset);
        ASSERT_EQ(blue.size(), c.BlueDay == 0 ? 0u : 1u);
        if (c.BlueDay != 0) {
            EXPECT_EQ(blue[0].Local.Month, c.Month);
            EXPECT_EQ(blue[0].Local.Day, c.BlueDay);
            EXPECT_TRUE(IsBlueMoon(blue[0].K, observer));
            EXPECT_FALSE(IsBlueMoon(blue[0].K - 1.0, observer)); // the month's first
        }
    }
}

TEST(MoonGreatEvents, SupermoonsAreTheFullMoonsNearerThan360000Km) {
    // PyEphem's geocentric distance at each Full Moon; the engine's may differ by a few km
    // (its lunar series and its instant, the phase series taken as UT).
    struct Case {
        int Year, Month, Day;
        std::int32_t Distance; // km
    };
    const Case cases[] = {
        {2016, 11, 14, 356520}, {2018, 1, 31, 360198},  {2019, 3, 21, 360768},
        {2020, 5, 7, 361183},   {2023, 8, 31, 357341},  {2025, 10, 7, 361456},
        {2025, 11, 5, 356978},  {2026, 11, 24, 360765}, {2026, 12, 24, 356738},
        {2028, 1, 12, 360268},
    };
    double worst = 0.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << "-" << c.Day);
        std::vector<GreatEvent> super =
            OfKind(MoonGreatEvents(c.Year, c.Month, kGreenwich), GreatEventKind::Supermoon);
        std::erase_if(super, [&c](const GreatEvent& e) { return e.Local.Day != c.Day; });
        const bool expected = c.Distance < kSupermoonDistanceKm;
        ASSERT_EQ(super.size(), expected ? 1u : 0u);
        if (expected) {
            EXPECT_NEAR(super[0].Distance, c.Distance, 15);
            worst = std::max(worst, std::fabs(super[0].Distance - c.Distance * 1.0));
        }
    }
    std::cout << "worst Full Moon distance error " << worst << " km\n";

    // 2016 November 14: perigee 11:21 UT at 356 511 km, Full Moon 2.5 hours later.
    const auto november = OfKind(MoonGreatEvents(2016, 11, kGreenwich), GreatEventKind::Supermoon);
    ASSERT_EQ(november.size(), 1u);
    EXPECT_NEAR((november[0].NearestPerigee.JD - DateTimeToJD(2016, 11, 14, 11, 21, 0)) *
                    kMinutesPerDay,
                0.0, 10.0);
    EXPECT_NEAR(november[0].NearestPerigee.Distance, 356511, 10);
}

TEST(GreatEventSummary, PutsTheNumbersIntoWords) {
    GreatEvent lunar;
    lunar.Kind = GreatEventKind::LunarEclipse;
    lunar.Lunar = LunarEclipse{};
    lunar.Lunar->Kind = LunarEclipseKind::Total;
    lunar.Lunar->UmbralMagnitude = 1.1784;
    lunar.Lunar->PenumbralMagnitude = 2.2595;
    lunar.Visible = true;
    EXPECT_EQ(GreatEventSummary(lunar),
              "Total lunar eclipse, umbral magnitude 1.178, visible here");
    lunar.Lunar->Kind = LunarEclipseKind::Penumbral;
    lunar.Lunar->UmbralMagnitude = -0.0031;
    lunar.Lunar->PenumbralMagnitude = 0.9528;
    lunar.Visible = false;
    EXPECT_EQ(GreatEventSummary(lunar),
              "Penumbral lunar eclipse, penumbral magnitude 0.953, not visible here");

    GreatEvent solar;
    solar.Kind = GreatEventKind::SolarEclipse;
    solar.Solar = SolarEclipse{};
    solar.Solar->Kind = SolarEclipseKind::Total;
    solar.Solar->Local.Eclipsed = true;
    solar.Solar->Local.Seen = true;
    solar.Solar->Local.Magnitude = 0.9990;
    solar.Solar->Local.Obscuration = 0.99974; // cut, never rounded up to 100 %
    solar.Visible = true;
    EXPECT_EQ(GreatEventSummary(solar),
              "Total solar eclipse, partial here, magnitude 0.999, 99.9 % of the Sun covered");
    solar.Solar->Kind = SolarEclipseKind::Annular;
    solar.Solar->Local.Kind = SolarEclipseKind::Annular;
    solar.Solar->Local.Magnitude = 0.9472;
    solar.Solar->Local.Obscuration = 0.8972;
    EXPECT_EQ(GreatEventSummary(solar),
              "Annular solar eclipse, annular here, magnitude 0.947, 89.7 % of the Sun covered");
    solar.Solar->Kind = SolarEclipseKind::Hybrid;
    solar.Visible = false;
    EXPECT_EQ(GreatEventSummary(solar), "Hybrid solar eclipse, not visible here");

    GreatEvent full;
    full.Kind = GreatEventKind::Supermoon;
    full.Distance = 356738;
    EXPECT_EQ(GreatEventSummary(full), "Supermoon, Full Moon at 356 738 km");
    full.Kind = GreatEventKind::BlueMoon;
    EXPECT_EQ(GreatEventSummary(full), "Blue moon, the second Full Moon of the month");
    EXPECT_EQ(GreatEventTitle(full), "Blue moon");
}

} // namespace
} // namespace selvane
