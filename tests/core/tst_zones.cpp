// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Named zones through the system's zone database: local times against an independent
// ephemeris, each in the offset in force at its own instant.

#include "core/zones.h"
#include "engine/phases.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"

#include <QTest>

using namespace selvane;

namespace {

// Minutes after midnight of an "hh:mm" text; -1 for "*****" or "None".
double Minutes(const std::string& text) {
    if (text.size() != 5 || text[2] != ':')
        return -1.0;
    return std::stoi(text.substr(0, 2)) * 60.0 + std::stoi(text.substr(3, 2));
}

// Sunrise, sunset, moonrise and moonset in minutes after local midnight from PyEphem 4.1.4
// (Sun's centre at -0:50, Moon's upper limb at -0:34, pressure 0), with the local date's
// bounds and the offsets from Python's zoneinfo; -1 where the event is not on that date.
struct ZoneDay {
    const char* Zone;
    double Latitude, Longitude; // west positive
    int Year, Month, Day;
    double SunRise, SunSet, MoonRise, MoonSet;
};
const ZoneDay kDays[] = {
    {"Asia/Kolkata", 22.5726, -88.3639, 2024, 6, 21, 292.82, 1103.98, 1080.63, 225.77},
    {"Asia/Kolkata", 22.5726, -88.3639, 2024, 12, 21, 372.13, 1017.27, 1357.83, 643.17},
    {"Asia/Kathmandu", 27.7172, -85.3240, 2024, 3, 20, 367.48, 1095.08, 838.53, 206.00},
    {"Pacific/Kiritimati", 1.8721, 157.4278, 2024, 3, 20, 393.95, 1120.43, 899.68, 161.23},
    {"America/St_Johns", 47.5615, 52.7126, 2024, 1, 15, 464.50, 996.13, 619.90, 1324.98},
    {"America/St_Johns", 47.5615, 52.7126, 2024, 7, 15, 319.35, 1253.88, 933.28, 26.97},
    {"Australia/Lord_Howe", -31.5553, -159.0821, 2024, 1, 15, 332.92, 1172.25, 560.68, 1346.75},
    {"Australia/Lord_Howe", -31.5553, -159.0821, 2024, 7, 15, 411.35, 1028.22, 710.70, 41.80},
    {"Europe/London", 51.4769, 0.0005, 2024, 3, 31, 396.75, 1172.28, 120.28, 527.42},
    {"Europe/London", 51.4769, 0.0005, 2024, 10, 27, 405.37, 1001.48, 63.05, 916.37},
};

} // namespace

class TestZones : public QObject {
    Q_OBJECT

private slots:
    void offsetsOfTheNamedZones();
    void riseAndSetInTheZonesLocalTime();
    void aPhaseInTheZonesLocalTime();
    void unknownOrEmptyNamesAreNoZone();
    void aNamedZoneAsTheFixedZones();
    void everyNameOfTheSystemsDatabase();
};

void TestZones::offsetsOfTheNamedZones() {
    // Minutes to add to local time to get universal time, at noon UT of the date.
    const std::tuple<const char*, int, int, int> offsets[] = {
        {"Asia/Kolkata", 2024, 6, -330},        {"Asia/Kathmandu", 2024, 3, -345},
        {"Pacific/Kiritimati", 2024, 3, -840},  {"America/St_Johns", 2024, 1, 210},
        {"America/St_Johns", 2024, 7, 150},     {"Australia/Lord_Howe", 2024, 1, -660},
        {"Australia/Lord_Howe", 2024, 7, -630}, {"Europe/London", 2024, 7, -60},
    };
    for (const auto& [zone, year, month, expected] : offsets) {
        const ZoneOffsets offsets = OffsetsOf(NamedZone(zone));
        QCOMPARE(offsets(DateTimeToJD(year, month, 15, 12, 0, 0)), expected);
    }
    // Julian Days and date-times meet at the millisecond.
    const QDateTime instant(QDate(2024, 3, 31), QTime(1, 0, 0, 250), QTimeZone::utc());
    QCOMPARE(JulianDayOf(instant), DateTimeToJD(2024, 3, 31, 1, 0, 0) + 0.25 / 86400.0);
    QCOMPARE(DateTimeOf(JulianDayOf(instant)), instant);
}

void TestZones::riseAndSetInTheZonesLocalTime() {
    for (const ZoneDay& d : kDays) {
        const QTimeZone zone = NamedZone(d.Zone);
        QVERIFY2(zone.isValid(), d.Zone);
        const Observer o(d.Latitude, d.Longitude, 0, OffsetsOf(zone));
        const ClockTime date{static_cast<std::uint16_t>(d.Year),
                             static_cast<std::uint16_t>(d.Month),
                             0,
                             static_cast<std::uint16_t>(d.Day),
                             12,
                             0,
                             0,
                             0};
        const auto sun = CalcSolarRiseSet(date, o, kSunriseAltitude);
        const auto moon = CalcLunarRiseSet(date, o).Entries;
        const std::tuple<std::string, double, double> checks[] = {
            {EventText(sun[1]), d.SunRise, 1.0},
            {EventText(sun[2]), d.SunSet, 1.0},
            {EventText(moon[1].Time), d.MoonRise, 2.0},
            {EventText(moon[2].Time), d.MoonSet, 2.0},
        };
        for (const auto& [text, expected, tolerance] : checks) {
            const QString where = QStringLiteral("%1 %2-%3-%4: %5 vs %6")
                                      .arg(d.Zone)
                                      .arg(d.Year)
                                      .arg(d.Month)
                                      .arg(d.Day)
                                      .arg(QString::fromStdString(text))
                                      .arg(expected);
            QVERIFY2(std::abs(Minutes(text) - expected) <= tolerance, qPrintable(where));
        }
    }
}

void TestZones::aPhaseInTheZonesLocalTime() {
    // The Full Moon of 25 March 2024 (07:00:16 UT; the engine, without Delta-T, puts it at
    // 07:01) on each zone's clock, daylight saving included where it is in force.
    const std::pair<const char*, const char*> expected[] = {
        {"Asia/Kolkata", "12:31  25 March 2024"},
        {"Asia/Kathmandu", "12:46  25 March 2024"},
        {"Pacific/Kiritimati", "21:01  25 March 2024"},
        {"America/St_Johns", "04:31  25 March 2024"},
        {"Australia/Lord_Howe", "18:01  25 March 2024"},
        {"Europe/London", "07:01  25 March 2024"},
    };
    for (const auto& [zone, text] : expected) {
        const Observer o(0.0, 0.0, 0, OffsetsOf(NamedZone(zone)));
        const MonthPhases march = FindMonthPhases(2024, 3, o, EnglishMonthNames());
        QCOMPARE(march.MajorPhaseTable[3].PhaseCode, std::string("FM"));
        QCOMPARE(QString::fromStdString(march.Texts[3]), QString(text));
    }
}

void TestZones::unknownOrEmptyNamesAreNoZone() {
    QVERIFY(!NamedZone("").isValid());
    QVERIFY(!NamedZone("Mars/Olympus").isValid());
    QVERIFY(NamedZone("Asia/Kolkata").isValid());
    QCOMPARE(NamedZone("asia/KOLKATA").id(), QByteArray("Asia/Kolkata"));
}

// The fixed zone of a named zone's standard offset, whole hours from -12 to +12 (index 0 to 24),
// and the text of any other offset; daylight saving as in force at the instant. The offsets are
// the zones' published standard times.
void TestZones::aNamedZoneAsTheFixedZones() {
    const QDateTime july(QDate(2024, 7, 14), QTime(12, 0), QTimeZone::utc());
    const QDateTime january(QDate(2024, 1, 15), QTime(12, 0), QTimeZone::utc());
    const struct {
        const char* Zone;
        QDateTime At;
        int Index;
        const char* Text;
        bool Daylight;
    } rows[] = {
        {"Europe/London", july, 12, "GMT ", true},
        {"Europe/London", january, 12, "GMT ", false},
        {"Australia/Sydney", january, 22, "GMT + 10:00", true},
        {"America/New_York", july, 7, "GMT - 05:00", true},
        {"Pacific/Pago_Pago", july, 1, "GMT - 11:00", false},
        {"Pacific/Auckland", july, 24, "GMT + 12:00", false}, // the list's last
        {"Pacific/Auckland", january, 24, "GMT + 12:00", true},
        {"Pacific/Tongatapu", july, 25, "GMT + 13:00", false}, // an hour past it
        {"Asia/Kolkata", july, 25, "GMT + 05:30", false},
        {"America/St_Johns", january, 25, "GMT - 03:30", false},
        {"Pacific/Chatham", july, 25, "GMT + 12:45", false},
    };
    for (const auto& row : rows) {
        const FixedZoneView view = FixedZoneViewOf(NamedZone(row.Zone), row.At);
        QCOMPARE(view.Index, row.Index);
        QCOMPARE(view.Text, QString(row.Text));
        QCOMPARE(view.DaylightSavings, row.Daylight);
    }
}

// Names the system's database has, its zones' and the older or other names it keeps as links,
// each giving its zone's offset (minutes east) on 15 July 2024 at noon UT, daylight saving
// included (published rules); the zone carries the name as the database spells it. Files in the
// database's folder that are no zone's name, and names it lacks, give no zone.
void TestZones::everyNameOfTheSystemsDatabase() {
    const QDateTime july(QDate(2024, 7, 15), QTime(12, 0), QTimeZone::utc());
    const struct {
        const char* Name;
        const char* Spelled; // empty: no zone
        int MinutesEast;
    } rows[] = {
        {"Etc/UTC", "Etc/UTC", 0},
        {"UTC", "UTC", 0},
        {"GMT", "GMT", 0},
        {"Etc/GMT-14", "Etc/GMT-14", 14 * 60}, // the sign as POSIX writes it: 14 hours east
        {"EST5EDT", "EST5EDT", -4 * 60},
        {"US/Eastern", "US/Eastern", -4 * 60},
        {"us/EASTERN", "US/Eastern", -4 * 60},
        {"Asia/Calcutta", "Asia/Calcutta", 5 * 60 + 30},
        {"Europe/Kiev", "Europe/Kiev", 3 * 60},
        {"America/Buenos_Aires", "America/Buenos_Aires", -3 * 60},
        {"utc+05:30", "UTC+05:30", 5 * 60 + 30}, // Qt's own id
        {"Mars/Olympus", "", 0},
        {"../../etc/localtime", "", 0},
        {"zone.tab", "", 0},
        {"right/UTC", "", 0},
        {"Europe", "", 0},
    };
    for (const auto& row : rows) {
        const QTimeZone zone = NamedZone(row.Name);
        QCOMPARE(zone.id(), QByteArray(row.Spelled));
        if (zone.isValid())
            QCOMPARE(zone.offsetFromUtc(july), row.MinutesEast * 60);
    }
}

QTEST_GUILESS_MAIN(TestZones)
#include "tst_zones.moc"
