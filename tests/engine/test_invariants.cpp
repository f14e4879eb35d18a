// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Properties that hold for every place and date a user can enter.

#include "engine/lunarprops.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"
#include "engine/solar.h"

#include "testclocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace selvane {
namespace {

bool IsClockText(const std::string& t) {
    static const std::regex clock("([01][0-9]|2[0-4]):[0-5][0-9]");
    return std::regex_match(t, clock) && (t < "24:01");
}

// A computed event is never empty, and one at a clock time lies within its date.
bool WithinTheDate(const EventTime& e) {
    if (e.State == EventState::At)
        return e.DayFraction >= 0.0 && e.DayFraction <= 1.0;
    return e.State != EventState::Empty && e.DayFraction == 0.0;
}

const double kLatitudes[] = {-90.0, -89.5, -70.0, -66.56, -50.0, -23.44, 0.0,
                             23.44, 50.0,  66.56, 70.0,   89.5,  90.0};
const int kZones[] = {0, 1, 6, 12, 13, 18, 23, 24};
const ClockTime kDates[] = {
    {1, 1, 0, 1, 0, 0, 0, 0},         {1, 6, 0, 15, 23, 59, 59, 0},
    {100, 3, 0, 1, 12, 0, 0, 0},      {1000, 12, 0, 31, 6, 0, 0, 0},
    {1582, 10, 0, 10, 12, 0, 0, 0},   {1900, 2, 0, 28, 18, 30, 0, 0},
    {2000, 2, 0, 29, 0, 0, 0, 0},     {2024, 3, 0, 20, 12, 0, 0, 0},
    {2024, 6, 0, 21, 3, 0, 0, 0},     {2100, 12, 0, 21, 12, 0, 0, 0},
    {3000, 7, 0, 4, 12, 0, 0, 0},     {5000, 9, 0, 23, 12, 0, 0, 0},
    {8000, 4, 0, 30, 12, 0, 0, 0},    {9999, 6, 0, 21, 12, 0, 0, 0},
    {9999, 12, 0, 31, 23, 59, 59, 0},
};

TEST(Invariants, EveryPlaceZoneAndDateGivesFiniteValuesAndWellFormedTexts) {
    int checked = 0;
    for (const double lat : kLatitudes)
        for (const int zone : kZones)
            for (const ClockTime& clock : kDates) {
                // A longitude near the zone's meridian, and one far from it.
                for (const double lon : {(12 - zone) * 15.0, zone < 12 ? -180.0 : 179.9}) {
                    const Observer o{lat, lon, ZoneIndexOffset(zone, zone % 2 == 1)};
                    SCOPED_TRACE(::testing::Message()
                                 << "lat " << lat << " lon " << lon << " zone " << zone << " "
                                 << clock.Year << "-" << clock.Month << "-" << clock.Day);
                    for (double alt : {kSunriseAltitude, kCivilTwilight, kNauticalTwilight,
                                       kAstronomicalTwilight})
                        for (const EventTime& e : CalcSolarRiseSet(clock, o, alt)) {
                            const std::string t = EventText(e);
                            ASSERT_TRUE(IsClockText(t) || t == "None") << '"' << t << '"';
                            ASSERT_TRUE(WithinTheDate(e)) << e.DayFraction;
                        }

                    const LunarRiseSet moon = CalcLunarRiseSet(clock, o);
                    ASSERT_GE(moon.Percent, 0);
                    ASSERT_LE(moon.Percent, 100);
                    for (const MoonRiseSetEntry& e : moon.Entries) {
                        const std::string t = EventText(e.Time);
                        ASSERT_TRUE(IsClockText(t) || t == "None" || t == "*****")
                            << '"' << t << '"';
                        ASSERT_TRUE(WithinTheDate(e.Time)) << e.Time.DayFraction;
                    }

                    const MoonPanel p = CalculateSelvane(clock, o, EnglishMonthNames());
                    ASSERT_GE(p.Phases.MajorPhaseCount, 3);
                    ASSERT_LE(p.Phases.MajorPhaseCount, 5);
                    for (double v : {p.Topo.RA, p.Topo.Dec, p.Diameter, p.Position.Azimuth,
                                     p.Position.Altitude, p.Position.PhaseAngle})
                        ASSERT_TRUE(std::isfinite(v));
                    ASSERT_GE(p.TopoRAHours, 0.0);
                    ASSERT_LT(p.TopoRAHours, 24.0);

                    const LunarProperties props =
                        CalculateLunarProperties(clock, o, EnglishMonthNames());
                    ASSERT_GE(props.AgeDays, 0.0);
                    // Far from 2000 the series stretch a lunation a little beyond 30 days.
                    ASSERT_LT(props.AgeDays, 31.0);
                    ASSERT_EQ(props.Apsides.PerigeeText.size(), 13u);
                    ASSERT_EQ(props.Apsides.ApogeeText.size(), 13u);

                    const SolarResult sun = SolarPosition(clock, o);
                    ASSERT_TRUE(std::isfinite(sun.Azimuth) && std::isfinite(sun.Altitude));
                    ++checked;
                }
            }
    EXPECT_EQ(checked, 13 * 8 * 15 * 2);
}

TEST(Invariants, RepeatedAndReorderedCallsGiveIdenticalResults) {
    const Observer a{51.4769, 0.0, 0};
    const Observer b{-33.9, -151.2, -600};
    const ClockTime t1{2024, 3, 5, 15, 12, 0, 0, 0};
    const ClockTime t2{1987, 4, 5, 10, 19, 21, 0, 0};

    auto snapshot = [](const ClockTime& c, const Observer& o) {
        const MoonPanel p = CalculateSelvane(c, o, EnglishMonthNames());
        const LunarProperties l = CalculateLunarProperties(c, o, EnglishMonthNames());
        const LunarRiseSet m = CalcLunarRiseSet(c, o);
        std::string s = p.VisibleText + p.DistanceText + p.PhaseAngleText + l.AgeText +
                        l.Apsides.PerigeeText + l.Apsides.ApogeeText;
        for (const auto& e : m.Entries)
            s += EventText(e.Time);
        for (const auto& t : CalcSolarRiseSet(c, o, kCivilTwilight))
            s += EventText(t);
        s += std::to_string(p.Topo.RA) + std::to_string(p.Diameter) +
             std::to_string(SolarPosition(c, o).Azimuth);
        return s;
    };
    const std::string first = snapshot(t1, a);
    const std::string other = snapshot(t2, b);
    EXPECT_EQ(snapshot(t1, a), first);
    EXPECT_EQ(snapshot(t2, b), other);
    EXPECT_EQ(snapshot(t1, a), first);
    EXPECT_NE(first, other);
}

} // namespace
} // namespace selvane
