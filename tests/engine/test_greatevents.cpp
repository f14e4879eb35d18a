// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// Minutes after local midnight of a date on Madrid's clock.
double MadridMinutes(JulianDay ut, int year, int month, int day) {
    return (UniversalToLocal(ut, kMadrid) - DateTimeToJD(year, month, day, 0, 0, 0)) *
           kMinutesPerDay;
}

TEST(MoonGreatEvents, TheEclipsesOf2025March14And2026August12SeenFromMadrid) {
    // March 2025: the total lunar eclipse, greatest at 06:59:56 TD with Delta-T 75 s (06:58:41
    // UT, 07:58.7 in Madrid), the Moon setting in totality (PyEphem: U2 at +1.4 degrees); then
    // the partial solar eclipse of March 29 (PyEphem: magnitude 0.317, the Sun 47 degrees up).
    const std::vector<GreatEvent> march = MoonGreatEvents(2025, 3, kMadrid);
    ASSERT_EQ(march.size(), 2u);
    ASSERT_TRUE(march[0].Lunar.has_value());
    EXPECT_EQ(march[0].Lunar->Kind, LunarEclipseKind::Total);
    EXPECT_TRUE(march[0].Visible);
    EXPECT_NEAR(march[0].Lunar->UmbralMagnitude, 1.1784, 0.005);
    EXPECT_NEAR(MadridMinutes(march[0].UT, 2025, 3, 14), 7 * 60 + 58.7, 0.5);
    ASSERT_TRUE(march[1].Solar.has_value());
    EXPECT_TRUE(march[1].Visible);
    EXPECT_NEAR(march[1].Solar->Local.Magnitude, 0.3170, 0.005);

    // August 2026: the total solar eclipse, partial in Madrid (PyEphem: magnitude 0.9990,
    // greatest at 18:32:17 UT, 20:32.3 on the summer clock), the Sun setting before C4.
    const std::vector<GreatEvent> august = MoonGreatEvents(2026, 8, kMadrid);
    ASSERT_FALSE(august.empty());
    ASSERT_TRUE(august[0].Solar.has_value());
    const LocalSolarEclipse& l = august[0].Solar->Local;
    EXPECT_EQ(august[0].Solar->Kind, SolarEclipseKind::Total);
    EXPECT_EQ(l.Kind, SolarEclipseKind::Partial);
    EXPECT_TRUE(august[0].Visible);
    EXPECT_NEAR(l.Magnitude, 0.9990, 0.005);
    EXPECT_EQ(august[0].UT, l[SolarContact::Greatest].UT);
    EXPECT_NEAR(MadridMinutes(august[0].UT, 2026, 8, 12), 20 * 60 + 32.3, 0.5);
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

GreatEvent LunarEvent(LunarEclipseKind kind, double penumbral, double umbral, bool visible) {
    GreatEvent e;
    e.Kind = GreatEventKind::LunarEclipse;
    e.Lunar = LunarEclipse{};
    e.Lunar->Kind = kind;
    e.Lunar->PenumbralMagnitude = penumbral;
    e.Lunar->UmbralMagnitude = umbral;
    e.Visible = visible;
    return e;
}

GreatEvent SolarEvent(SolarEclipseKind kind, SolarEclipseKind local, double magnitude,
                      double obscuration, bool visible) {
    GreatEvent e;
    e.Kind = GreatEventKind::SolarEclipse;
    e.Solar = SolarEclipse{};
    e.Solar->Kind = kind;
    e.Solar->Local = {true, visible, local, magnitude, obscuration, {}};
    e.Visible = visible;
    return e;
}

GreatEvent FullMoonEvent(GreatEventKind kind, std::int32_t distance) {
    GreatEvent e;
    e.Kind = kind;
    e.Distance = distance;
    return e;
}

TEST(GreatEventSummary, PutsTheNumbersIntoWords) {
    using L = LunarEclipseKind;
    using S = SolarEclipseKind;
    const struct {
        GreatEvent Event;
        const char* Text;
    } cases[] = {
        {LunarEvent(L::Total, 2.2595, 1.1784, true),
         "Total lunar eclipse, umbral magnitude 1.178, visible here"},
        {LunarEvent(L::Penumbral, 0.9528, -0.0031, false),
         "Penumbral lunar eclipse, penumbral magnitude 0.953, not visible here"},
        // The covered part is cut, never rounded up to 100 %.
        {SolarEvent(S::Total, S::Partial, 0.9990, 0.99974, true),
         "Total solar eclipse, partial here, magnitude 0.999, 99.9 % of the Sun covered"},
        {SolarEvent(S::Annular, S::Annular, 0.9472, 0.8972, true),
         "Annular solar eclipse, annular here, magnitude 0.947, 89.7 % of the Sun covered"},
        {SolarEvent(S::Hybrid, S::Partial, 0.1, 0.05, false),
         "Hybrid solar eclipse, not visible here"},
        {FullMoonEvent(GreatEventKind::Supermoon, 356738), "Supermoon, Full Moon at 356 738 km"},
        {FullMoonEvent(GreatEventKind::BlueMoon, 406167),
         "Blue moon, the second Full Moon of the month"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GreatEventSummary(c.Event), c.Text);
    EXPECT_EQ(GreatEventTitle(cases[4].Event), "Hybrid solar eclipse");
}

} // namespace
} // namespace selvane
