// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Moon's events as a calendar file and the month's table as CSV, read back with a parser of
// the test's own and checked against published instants.

#include "engine/greatevents.h"
#include "engine/icalendar.h"
#include "engine/monthtable.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"
#include "testclocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace selvane {
namespace {

using Properties = std::map<std::string, std::string>;

// Unfolds the file and returns each VEVENT's properties (name -> value); checks on the way
// that every line ends with CRLF and keeps to 75 octets.
std::vector<Properties> ParseEvents(const std::string& ics) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < ics.size()) {
        const std::size_t end = ics.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CRLF at octet " << at;
            break;
        }
        const std::string line = ics.substr(at, end - at);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << "a bare line feed in " << line;
        if (!line.empty() && line[0] == ' ' && !lines.empty())
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
        at = end + 2;
    }
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");

    std::vector<Properties> events;
    bool inEvent = false;
    for (const std::string& line : lines) {
        if (line == "BEGIN:VEVENT") {
            events.emplace_back();
            inEvent = true;
        } else if (line == "END:VEVENT") {
            inEvent = false;
        } else if (inEvent) {
            const std::size_t colon = line.find(':');
            events.back()[line.substr(0, colon)] = line.substr(colon + 1);
        }
    }
    return events;
}

// "20250314T065544Z" as a Julian Day.
JulianDay Utc(const std::string& text) {
    EXPECT_EQ(text.size(), 16u) << text;
    EXPECT_EQ(text.back(), 'Z') << text;
    auto n = [&](std::size_t pos, std::size_t len) {
        return std::stoi(text.substr(pos, len));
    };
    return DateTimeToJD(n(0, 4), n(4, 2), n(6, 2), n(9, 2), n(11, 2), n(13, 2));
}

std::string Repeat(const std::string& text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

constexpr double kMinute = 1.0 / 1440.0;
const Observer kGreenwich(51.4769, 0.0005, 0, BritishOffset);

CalendarInfo Info(JulianDay stamp) {
    return {"-//Test//Test 1.0//EN", "Moon", "test.example", stamp, PlaceKey(kGreenwich), ""};
}

std::vector<Properties> Export(int year, int month, bool withRiseSet, JulianDay stamp) {
    return ParseEvents(
        MoonCalendar(MoonEventsOf(year, month, kGreenwich, withRiseSet), Info(stamp)));
}

TEST(MoonCalendar, TheYear2025AgreesWithPublishedPhasesAndApsides) {
    const std::vector<Properties> events =
        Export(2025, kWholeYear, false, DateTimeToJD(2025, 5, 13, 8, 30, 15));

    // How many of each the year holds, counted in published 2025 tables.
    std::map<std::string, int> counts;
    for (const Properties& e : events) {
        const std::string& s = e.at("SUMMARY");
        ++counts[s.rfind("Perigee", 0) == 0 ? "Perigee" : s.rfind("Apogee", 0) == 0 ? "Apogee" : s];
        EXPECT_EQ(e.count("DURATION") + e.count("DTEND"), 0u); // an instant
        EXPECT_EQ(e.at("DTSTAMP"), "20250513T083015Z");
    }
    const std::map<std::string, int> published = {{"New Moon", 12},  {"First Quarter", 13},
                                                  {"Full Moon", 12}, {"Last Quarter", 12},
                                                  {"Perigee", 13},   {"Apogee", 13}};
    EXPECT_EQ(counts, published);

    // Phase instants and the perigee in UT from published almanac tables, the apogee from the
    // distance's maximum in PyEphem 4.1.4 (which agrees with the tables to a minute on the
    // others). The published minutes are rounded, and an apsis's time is poorly defined by the
    // distance's flat extremum.
    struct Row {
        const char* Summary;
        int Month, Day, Hour, Minute;
        double Tolerance; // minutes
        int Km, KmTolerance;
    };
    const Row rows[] = {
        {"First Quarter", 1, 6, 23, 56, 2, 0, 0},  {"Full Moon", 3, 14, 6, 55, 2, 0, 0},
        {"New Moon", 3, 29, 10, 58, 2, 0, 0},      {"Full Moon", 9, 7, 18, 9, 2, 0, 0},
        {"New Moon", 9, 21, 19, 54, 2, 0, 0},      {"Full Moon", 11, 5, 13, 19, 2, 0, 0},
        {"Last Quarter", 12, 11, 20, 52, 2, 0, 0}, {"Perigee", 11, 5, 22, 27, 30, 356833, 15},
        {"Apogee", 11, 20, 2, 38, 30, 406691, 15},
    };
    for (const Row& r : rows) {
        const JulianDay want = DateTimeToJD(2025, r.Month, r.Day, r.Hour, r.Minute, 0);
        const Properties* found = nullptr;
        for (const Properties& e : events)
            if (e.at("SUMMARY").rfind(r.Summary, 0) == 0 &&
                std::fabs(Utc(e.at("DTSTART")) - want) < 0.5)
                found = &e;
        ASSERT_NE(found, nullptr) << r.Summary << " " << r.Month << "-" << r.Day;
        EXPECT_NEAR(Utc(found->at("DTSTART")), want, r.Tolerance * kMinute)
            << r.Summary << " " << found->at("DTSTART");
        if (r.Km != 0) {
            // "Perigee 356 896 km": the digits grouped by thousands.
            const std::string& s = found->at("SUMMARY");
            const std::string number = s.substr(s.find(' ') + 1, 7);
            ASSERT_EQ(s.substr(s.find(' ') + 8), " km") << s;
            ASSERT_EQ(number[3], ' ') << s;
            EXPECT_NEAR(std::stoi(number.substr(0, 3) + number.substr(4)), r.Km, r.KmTolerance)
                << s;
        }
    }
}

// Major phases in universal time from PyEphem 4.1.4 (tools/phase_reference.py --seed 2811
// --count 12 --day 2025-03-10): the instants the sky keeps, to the second.
struct PhaseReference {
    MoonEventKind Kind;
    int Year, Month, Day, Hour, Minute, Second;
};
const PhaseReference kPhaseReferences[] = {
    {MoonEventKind::FullMoon, 2025, 3, 14, 6, 54, 35},
    {MoonEventKind::FullMoon, 1952, 6, 8, 5, 6, 51},
    {MoonEventKind::FullMoon, 1974, 12, 29, 3, 50, 51},
    {MoonEventKind::NewMoon, 1955, 7, 19, 11, 34, 31},
    {MoonEventKind::LastQuarter, 2011, 2, 24, 23, 26, 21},
    {MoonEventKind::NewMoon, 2020, 11, 15, 5, 7, 10},
    {MoonEventKind::NewMoon, 1973, 7, 29, 18, 58, 47},
    {MoonEventKind::LastQuarter, 1974, 6, 13, 1, 45, 13},
    {MoonEventKind::NewMoon, 1987, 9, 23, 3, 8, 13},
    {MoonEventKind::FirstQuarter, 1973, 10, 4, 10, 31, 57},
    {MoonEventKind::NewMoon, 1970, 1, 7, 20, 35, 28},
    {MoonEventKind::FullMoon, 2034, 8, 29, 16, 49, 5},
    {MoonEventKind::FullMoon, 1992, 8, 13, 10, 27, 10},
};

TEST(MoonCalendar, PhasesAreWrittenInTheSkysUniversalTime) {
    // Meeus's phases are good to seconds; left in dynamical time they would be Delta-T late
    // (30 s in 1952, 75 s in 2025, 80 s in 2034).
    constexpr double kToleranceSeconds = 15.0;
    double worst = 0.0;
    for (const PhaseReference& r : kPhaseReferences) {
        const JulianDay want = DateTimeToJD(r.Year, r.Month, r.Day, r.Hour, r.Minute, r.Second);
        const MoonEvent* found = nullptr;
        const std::vector<MoonEvent> events = PhasesAndApsides(want - 2.0, want + 2.0);
        for (const MoonEvent& e : events)
            if (e.Kind == r.Kind)
                found = &e;
        ASSERT_NE(found, nullptr) << r.Year << "-" << r.Month << "-" << r.Day;
        // As the file writes it, to the second.
        const double error = (Utc(UtcDateTime(found->JD)) - want) * kSecondsPerDay;
        worst = std::max(worst, std::fabs(error));
        EXPECT_LE(std::fabs(error), kToleranceSeconds)
            << r.Year << "-" << r.Month << "-" << r.Day << ": " << UtcDateTime(found->JD);
    }
    std::cout << "worst phase error against PyEphem " << worst << " s\n";
}

TEST(MoonCalendar, UidsAreUniqueAndTheSameInEveryExport) {
    std::map<std::string, std::string> year; // UID -> DTSTART
    for (const Properties& e : Export(2024, kWholeYear, true, 2460000.5))
        EXPECT_TRUE(year.emplace(e.at("UID"), e.at("DTSTART")).second) << e.at("UID");
    // 2024 holds 50 major phases, 26 or more apsides and, at Greenwich, about 707 rises and
    // sets (two of them within two minutes of midnight).
    EXPECT_GE(year.size(), 50u + 26u + 705u);

    // Exported again on another day, or as one of its months, the events keep their UIDs.
    std::size_t seen = 0;
    for (const auto& [stamp, month] : {std::pair{2460700.25, kWholeYear}, {2460999.75, 3}}) {
        for (const Properties& e : Export(2024, month, true, stamp)) {
            ASSERT_TRUE(year.count(e.at("UID"))) << e.at("UID");
            EXPECT_EQ(year.at(e.at("UID")), e.at("DTSTART")) << e.at("UID");
            EXPECT_NE(e.at("UID").find("@test.example"), std::string::npos);
            ++seen;
        }
    }
    EXPECT_EQ(seen, year.size() + 4 + 2 + 59); // March 2024: 4 phases, 2 apsides, 59 rise/set
}

TEST(MoonCalendar, LongTextsFoldAtSeventyFiveOctetsAndReadBack) {
    // Folding never splits a UTF-8 sequence, and unfolding gives back the line.
    for (const std::string& text :
         {std::string(74, 'a'), std::string(75, 'b'), std::string(76, 'c'),
          "DESCRIPTION:" + std::string(300, 'x'),
          "LOCATION:" + std::string(40, 'a') + "Zürich, Genève; Łódź \\ Saint-Étienne",
          // Three-octet signs from three starting offsets: one of them straddles each cut.
          "LOCATION:" + std::string(0, 'a') + Repeat("☾", 40),
          "LOCATION:" + std::string(1, 'a') + Repeat("☾", 40),
          "LOCATION:" + std::string(2, 'a') + Repeat("☾", 40)}) {
        const std::string folded = FoldLine(text);
        std::string unfolded;
        std::size_t at = 0;
        for (std::size_t end; (end = folded.find("\r\n", at)) != std::string::npos; at = end + 2) {
            std::string line = folded.substr(at, end - at);
            EXPECT_LE(line.size(), 75u);
            if (at > 0) {
                ASSERT_EQ(line[0], ' ');
                ASSERT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << "split sequence";
                line.erase(0, 1);
            }
            unfolded += line;
        }
        EXPECT_EQ(at, folded.size());
        EXPECT_EQ(unfolded, text);
    }

    // Octets that are no UTF-8 at all are still cut, at 75 and 74 octets.
    EXPECT_EQ(FoldLine(std::string(200, '\x80')).size(), 200u + 2u + 3u * 2u);

    // A place name with the characters a text value must escape, written with the rises and
    // sets: the file's lines stay within 75 octets and the value reads back.
    CalendarInfo info = Info(2460000.5);
    info.Location = "Observatoire, Saint-Véran; \"Queyras\" \\ Hautes-Alpes\nFrance ☾☾☾☾☾☾";
    const std::vector<Properties> events =
        ParseEvents(MoonCalendar(MoonEventsOf(2024, 3, kGreenwich, true), info));
    int withLocation = 0;
    for (const Properties& e : events)
        if (e.count("LOCATION")) {
            ++withLocation;
            EXPECT_EQ(e.at("LOCATION"), "Observatoire\\, Saint-Véran\\; \"Queyras\" \\\\ "
                                        "Hautes-Alpes\\nFrance ☾☾☾☾☾☾");
        }
    EXPECT_EQ(withLocation, 59);
}

TEST(MoonCalendar, ValuesAndInstantsAreWrittenAsTheFormatWants) {
    const std::pair<JulianDay, const char*> instants[] = {
        {DateTimeToJD(2025, 3, 14, 6, 55, 0), "20250314T065500Z"},
        {DateTimeToJD(2024, 12, 31, 23, 59, 59) + 0.9 / 86400.0, "20241231T235959Z"},
        {DateTimeToJD(2025, 1, 1, 0, 0, 0) - 1e-9, "20250101T000000Z"},
        {DateTimeToJD(1, 1, 1, 0, 0, 0), "00010101T000000Z"},
        {DateTimeToJD(9999, 12, 31, 12, 0, 0), "99991231T120000Z"},
    };
    for (const auto& [jd, text] : instants)
        EXPECT_EQ(UtcDateTime(jd), text);

    EXPECT_EQ(EscapeText("a,b;c\\d\ne\r\nf"), "a\\,b\\;c\\\\d\\ne\\nf");
    // RFC 5545 lets no control character but the tab stand in a text value.
    const std::pair<std::string, std::string> controls[] = {
        {"Kew\tGardens", "Kew\tGardens"},        {"Kew\x01\x1f\x7f", "Kew   "},
        {std::string("a\0b", 3), "a b"},         {"\rKew\r", "\\nKew\\n"},
        {"Z\xc3\xbcrich\x0b", "Z\xc3\xbcrich "},
    };
    for (const auto& [text, escaped] : controls)
        EXPECT_EQ(EscapeText(text), escaped);
    EXPECT_EQ(PlaceKey(Observer(51.4772, 0.0014, 0)), "51.4772N0.0014W");
    EXPECT_EQ(PlaceKey(Observer(-33.8568, -151.2153, 0)), "33.8568S151.2153E");

    MoonEvent apsis;
    for (const auto& [kind, km, summary] :
         {std::tuple{MoonEventKind::Perigee, 356896, "Perigee 356 896 km"},
          {MoonEventKind::Apogee, 406314, "Apogee 406 314 km"},
          {MoonEventKind::Perigee, 1234567, "Perigee 1 234 567 km"},
          {MoonEventKind::FullMoon, 0, "Full Moon"}}) {
        apsis.Kind = kind;
        apsis.Distance = km;
        EXPECT_EQ(EventSummary(apsis), summary);
    }
}

TEST(MoonCalendar, EclipsesSpanTheirContactsWithKindMagnitudeAndVisibility) {
    // Madrid. Contacts in seconds after 0h UT: the total lunar eclipse of 2025 March 14 (P1 and
    // P4) and the local contacts C1 and C4 of the total solar eclipse of 2026 August 12, partial
    // there, from PyEphem (tools/eclipse_reference.py, the tables of test_eclipses.cpp); the
    // magnitudes from the Five Millennium Canons (lunar, umbral) and PyEphem (solar, at Madrid).
    // The annular eclipse of 2026 February 17 is seen from Antarctica only: its greatest
    // eclipse at 12:13:06 TD, Delta-T 75 s, magnitude 0.9630 (canon), an instant. The UIDs
    // count lunations from the New Moon of 2000 January 6 (the Full Moon of 2025 March 14 ends
    // lunation 311; 2026 February 17 and August 12 begin lunations 323 and 329).
    const Observer madrid(40.4168, 3.7038, -60, CentralEuropeanOffset);
    struct Row {
        int Year, Month, Day;
        const char* Summary;
        double Start, End; // seconds after 0h UT; End 0 for an instant
        double Magnitude;
        const char* Seen; // in the description, escaped
        const char* Uid;
    };
    const Row rows[] = {
        {2025, 3, 14, "Total lunar eclipse", 14243.5, 36003.6, 1.1784, "\\, visible here.",
         "lunar-eclipse-311-40.4168N3.7038W@test.example"},
        {2026, 2, 17, "Annular solar eclipse", 12 * 3600 + 13 * 60 + 6 - 75, 0, 0.9630,
         "\\, not visible here.", "solar-eclipse-323-40.4168N3.7038W@test.example"},
        {2026, 8, 12, "Total solar eclipse", 63399.7, 69864.9, 0.9990, "\\, partial here\\,",
         "solar-eclipse-329-40.4168N3.7038W@test.example"},
    };
    CalendarInfo info = Info(2460000.5);
    info.Place = PlaceKey(madrid);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Summary);
        const std::vector<Properties> events =
            ParseEvents(MoonCalendar(MoonEventsOf(r.Year, r.Month, madrid, false), info,
                                     MoonGreatEvents(r.Year, r.Month, madrid)));
        const Properties* found = nullptr;
        for (const Properties& e : events)
            if (e.at("SUMMARY") == r.Summary)
                found = &e;
        ASSERT_NE(found, nullptr);
        const JulianDay day = DateTimeToJD(r.Year, r.Month, r.Day, 0, 0, 0);
        EXPECT_NEAR((Utc(found->at("DTSTART")) - day) * 86400.0, r.Start, 60.0);
        EXPECT_EQ(found->count("DTEND"), r.End == 0 ? 0u : 1u);
        if (r.End != 0) {
            EXPECT_NEAR((Utc(found->at("DTEND")) - day) * 86400.0, r.End, 60.0);
        }
        // "Total lunar eclipse\, umbral magnitude 1.178\, visible here. Greatest eclipse ..."
        const std::string& d = found->at("DESCRIPTION");
        EXPECT_EQ(d.rfind(r.Summary, 0), 0u) << d;
        EXPECT_NE(d.find(r.Seen), std::string::npos) << d;
        const std::size_t m = d.find("magnitude ");
        ASSERT_NE(m, std::string::npos) << d;
        EXPECT_NEAR(std::stod(d.substr(m + 10, 5)), r.Magnitude, 0.005) << d;
        EXPECT_EQ(found->at("UID"), r.Uid);
        // In time order with the phases and apsides.
        for (std::size_t i = 1; i < events.size(); ++i)
            EXPECT_LE(events[i - 1].at("DTSTART"), events[i].at("DTSTART"));
    }
}

TEST(RisesAndSets, UniversalInstantsAcrossTheBritishClockChanges) {
    // Moonrise and moonset at Greenwich from PyEphem 4.1.4 (upper limb, 34' refraction), UT.
    // On 31 March 2024 the Moon rises just after the clock has gone forward (02:00 BST); on
    // 27 October it rises in the repeated hour, at 01:03 GMT; on 30 March it does not rise.
    struct Row {
        int Month, Day;
        MoonEventKind Kind;
        int UtDay, Hour, Minute; // the UT date's day of month
    };
    const Row rows[] = {
        {3, 29, MoonEventKind::Moonset, 29, 6, 50},   {3, 29, MoonEventKind::Moonrise, 29, 23, 44},
        {3, 30, MoonEventKind::Moonset, 30, 7, 14},   {3, 31, MoonEventKind::Moonrise, 31, 1, 0},
        {3, 31, MoonEventKind::Moonset, 31, 7, 47},   {10, 26, MoonEventKind::Moonrise, 25, 23, 49},
        {10, 26, MoonEventKind::Moonset, 26, 15, 5},  {10, 27, MoonEventKind::Moonrise, 27, 1, 3},
        {10, 27, MoonEventKind::Moonset, 27, 15, 16},
    };
    std::vector<MoonEvent> got = RisesAndSets(2024, 3, 29, 3, kGreenwich);
    const std::vector<MoonEvent> october = RisesAndSets(2024, 10, 26, 2, kGreenwich);
    got.insert(got.end(), october.begin(), october.end());
    ASSERT_EQ(got.size(), std::size(rows));
    for (std::size_t i = 0; i < got.size(); ++i) {
        const Row& r = rows[i];
        EXPECT_EQ(got[i].Kind, r.Kind) << i;
        EXPECT_EQ(got[i].LocalDate.Month, r.Month) << i;
        EXPECT_EQ(got[i].LocalDate.Day, r.Day) << i;
        EXPECT_NEAR(got[i].JD, DateTimeToJD(2024, r.Month, r.UtDay, r.Hour, r.Minute, 0),
                    2 * kMinute)
            << i << " " << UtcDateTime(got[i].JD);
    }
}

TEST(RisesAndSets, AtTheMinuteTheWindowShows) {
    // Each rise and set is the window's "hh:mm" of its date on the local clock, at 00 seconds,
    // across the change to summer time; a date whose text is no clock time of it has none.
    const std::vector<MoonEvent> events = RisesAndSets(2024, 3, 1, 31, kGreenwich);
    std::size_t shown = 0;
    for (int day = 1; day <= 31; ++day) {
        const ClockTime noon{2024, 3, 0, static_cast<std::uint16_t>(day), 12, 0, 0, 0};
        const LunarRiseSet moon = CalcLunarRiseSet(noon, kGreenwich);
        const JulianDay midnight = DateTimeToJD(2024, 3, day, 0, 0, 0);
        for (auto [entry, kind] :
             {std::pair{1, MoonEventKind::Moonrise}, std::pair{2, MoonEventKind::Moonset}}) {
            const std::string text = EventText(moon.Entries[static_cast<std::size_t>(entry)].Time);
            SCOPED_TRACE(testing::Message() << "March " << day << " " << text);
            const auto found = std::find_if(events.begin(), events.end(), [&](const MoonEvent& e) {
                return e.Kind == kind && e.LocalDate.Day == day;
            });
            if (text.size() != 5 || text[2] != ':' || text == "24:00") {
                EXPECT_EQ(found, events.end());
                continue;
            }
            ASSERT_NE(found, events.end());
            const double minutes = (UniversalToLocal(found->JD, kGreenwich) - midnight) * 1440.0;
            const long whole = std::lround(minutes);
            EXPECT_NEAR(minutes, static_cast<double>(whole), 1e-4);
            char clock[48];
            std::snprintf(clock, sizeof clock, "%02ld:%02ld", whole / 60, whole % 60);
            EXPECT_EQ(clock, text);
            ++shown;
        }
    }
    EXPECT_EQ(events.size(), shown);
    EXPECT_GE(shown, 55u); // about one rise and one set a day
}

TEST(MonthTimeTableCsv, HeaderThenOneLinePerDayAsTheTableShowsIt) {
    const Observer greenwich(51.4769, 0.0, 0);
    const std::string march = MonthTimeTableCsv(2024, 3, FillMonthTimeTable(2024, 3, greenwich));
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = march.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(march.substr(at, end - at));
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "date,moonrise,moon_transit,moonset,illumination,astro_start,"
                        "nautical_start,civil_start,sunrise,sun_transit,sunset,civil_end,"
                        "nautical_end,astro_end");
    // The equinox: the Sun and twilights as published for Greenwich; the Moon 76.8% lit at
    // 0h UT (PyEphem 4.1.4).
    const std::string& equinox = lines[20];
    EXPECT_EQ(equinox.substr(0, 11), "2024-03-20,");
    const std::size_t percent = equinox.find('%');
    ASSERT_NE(percent, std::string::npos);
    EXPECT_NEAR(std::stoi(equinox.substr(equinox.rfind(',', percent) + 1)), 76.8, 1.0);
    EXPECT_EQ(equinox.substr(percent), "%,04:08,04:49,05:29,06:02,12:07,18:14,18:47,19:27,20:08");
    // 30 March: no moonrise on the local date.
    EXPECT_EQ(lines[30].substr(0, 28), "2024-03-30,*****,03:33,07:14");
    EXPECT_EQ(lines[31].substr(0, 11), "2024-03-31,");

    const Observer tromso(69.65, -18.96, -60);
    const std::string february = MonthTimeTableCsv(2024, 2, FillMonthTimeTable(2024, 2, tromso));
    EXPECT_EQ(std::count(february.begin(), february.end(), '\n'), 30); // leap year
    EXPECT_EQ(february.find("2024-02-30"), std::string::npos);
}

} // namespace
} // namespace selvane
