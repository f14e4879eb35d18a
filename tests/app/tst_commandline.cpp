// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line as a user runs it from a shell without a display: the program itself, with
// its settings in a scratch folder. Each job's output is read back against the time list's
// own table, the printed page's texts and published Moon phases; wrong input gets one line,
// status 2 and no file.

#include "../core/pagefixture.h"

#include "core/zones.h"
#include "engine/monthtable.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace selvane;

Q_DECLARE_METATYPE(selvane::Observer)

namespace {

struct Outcome {
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The settings file of Greenwich (51 28 38 N, 0 0 5 W) on GMT with the Sun's and the Moon's
// times printed, as a user may have left it: without the values a first run completes
// (PhaseDensity, Timezone).
constexpr const char* kGreenwichSettings = "[HKEY_SELVANE]\n"
                                           "LatDeg=51\nLatMin=28\nLatSec=38\nLatDir=North\n"
                                           "LongDeg=0\nLongMin=0\nLongSec=5\nLongDir=West\n"
                                           "PrintSunTimes=True\nPrintLunarTimes=True\n";

Observer Zoned(double latitude, double westLongitude, const char* zone) {
    return Observer(latitude, westLongitude, 0, OffsetsOf(NamedZone(zone)));
}

// The events of a calendar file: each VEVENT's properties by name, folded lines unfolded.
std::vector<std::map<QByteArray, QByteArray>> Events(QByteArray ics) {
    ics.replace("\r\n ", "");
    std::vector<std::map<QByteArray, QByteArray>> events;
    for (const QByteArray& line : ics.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l == "BEGIN:VEVENT")
            events.emplace_back();
        else if (!events.empty() && l.contains(':'))
            events.back().emplace(l.left(l.indexOf(':')), l.mid(l.indexOf(':') + 1));
    }
    return events;
}

// A calendar file's UTC date-time, "20250314T065546Z".
QDateTime Utc(const QByteArray& text) {
    QDateTime t = QDateTime::fromString(QString::fromLatin1(text), "yyyyMMdd'T'HHmmss'Z'");
    t.setTimeZone(QTimeZone::utc());
    return t;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void init();
    void wrongInputIsOneLineStatusTwoAndNoFile_data();
    void wrongInputIsOneLineStatusTwoAndNoFile();
    void csvIsTheTimeListsTable_data();
    void csvIsTheTimeListsTable();
    void calendarFileHasThePublishedPhasesAndTheListsRises();
    void eventsAreTheYearsEclipsesSupermoonsAndBlueMoons();
    void pdfPagesAreThePrintedPages();
    void helpAndVersion();
    void aPageWithoutRuntimeFolderLeavesNothing();
    void anUnreadableSettingsFileIsNamedAndTheDefaultsUsed();
    void theLanguageTellsTheMessagesAndEventsNotTheCsv_data();
    void theLanguageTellsTheMessagesAndEventsNotTheCsv();

private:
    // The program with these arguments, in the output folder, without a display or a
    // platform named, its settings under the config folder, month names in English; in the
    // language LANGUAGE names when one is given.
    Outcome run(const QStringList& arguments, const QString& language = {}) const {
        QProcessEnvironment env = environment();
        if (!language.isEmpty())
            env.insert("LANGUAGE", language);
        return run(arguments, env);
    }
    Outcome run(const QStringList& arguments, const QProcessEnvironment& env) const;
    QProcessEnvironment environment() const;
    void writeSettings(const QByteArray& text) const;
    QString settingsPath() const { return m_dir->filePath("config/Selvane/Selvane.ini"); }
    QString output(const QString& name) const { return m_dir->filePath("out/" + name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCommandLine::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QDir root(m_dir->path());
    QVERIFY(root.mkpath("config") && root.mkpath("out") && root.mkpath("runtime"));
    QFile::setPermissions(root.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcessEnvironment TestCommandLine::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        env.remove(name);
    env.insert("XDG_CONFIG_HOME", m_dir->filePath("config"));
    env.insert("XDG_RUNTIME_DIR", m_dir->filePath("runtime"));
    env.insert("LC_ALL", "C.UTF-8");
    return env;
}

Outcome TestCommandLine::run(const QStringList& arguments, const QProcessEnvironment& env) const {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir->filePath("out"));
    process.start(SELVANE_PROGRAM, arguments);
    Outcome outcome;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.Status = process.exitCode();
    outcome.Out = process.readAllStandardOutput();
    outcome.Err = process.readAllStandardError();
    return outcome;
}

void TestCommandLine::writeSettings(const QByteArray& text) const {
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath()).path()));
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void TestCommandLine::wrongInputIsOneLineStatusTwoAndNoFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // after "selvane: "
    const auto row = [](const char* name, const QStringList& arguments, const char* message) {
        QTest::newRow(name) << arguments << QString::fromUtf8(message);
    };
    row("month 13", {"--csv", "2024-13"}, "month 13 is outside 1 to 12");
    row("month 0", {"--pdf", "calendar", "2024-00", "-o", "p.pdf"}, "month 00 is outside 1 to 12");
    row("year 0", {"--ics", "0", "-o", "y.ics"}, "year 0 is outside 1 to 9999");
    row("year 10000", {"--ics", "10000-01"}, "year 10000 is outside 1 to 9999");
    row("a year for a month", {"--csv", "2024"}, "--csv takes a month (2024-03), not \"2024\"");
    row("latitude 91", {"--csv", "2024-03", "--lat", "91"}, "--lat 91 is outside -90 to 90");
    row("latitude -90.01", {"--csv", "2024-03", "--lat", "-90.01"}, "--lat -90.01 is outside");
    row("longitude 181", {"--csv", "2024-03", "--lon", "181"}, "--lon 181 is outside -180 to 180");
    row("longitude -180.5", {"--csv", "2024-03", "--lon=-180.5"}, "--lon -180.5 is outside");
    row("a decimal comma", {"--csv", "2024-03", "--lat", "51,5"}, "--lat takes decimal degrees");
    // A comma is neither read as the decimal point nor as a thousands separator: "0,050" is
    // not 50 degrees, "1,000" not 1000.
    row("latitude 0,050", {"--csv", "2024-03", "--lat", "0,050"},
        "--lat takes decimal degrees with a decimal point, not a comma: write \"0.050\"");
    row("longitude 0,123", {"--csv", "2024-03", "--lon=0,123"},
        "--lon takes decimal degrees with a decimal point, not a comma: write \"0.123\"");
    row("latitude 1,000", {"--csv", "2024-03", "--lat", "1,000"},
        "--lat takes decimal degrees with a decimal point, not a comma: write \"1.000\"");
    row("unknown zone", {"--ics", "2025", "--zone", "Mars/Olympus_Mons"},
        "unknown time zone \"Mars/Olympus_Mons\"");
    row("calendar to a missing folder", {"--ics", "2025", "-o", "missing/moon.ics"},
        "cannot write \"missing/moon.ics\": No such file or directory\n");
    row("page to a missing folder", {"--pdf", "table", "2024-03", "-o", "missing/t.pdf"},
        "cannot write \"missing/t.pdf\": No such file or directory\n");
    row("page of a bad kind", {"--pdf", "poster", "2024-03", "-o", "p.pdf"},
        "--pdf makes a calendar or a table, not \"poster\"");
    row("page to the terminal", {"--pdf", "calendar", "2024-03"}, "--pdf needs --output");
    row("two jobs", {"--ics", "2025", "--csv", "2024-03"}, "one job at a time");
    row("no job", {"--lat", "10"}, "nothing to do");
    row("unknown option", {"--csv", "2024-03", "--frob"}, "unknown option '--frob' (see --help)\n");
    // Mistyped options, alone (the window would have opened) or with a job; Qt's own options
    // and the values of options, even those starting with '-', are no mistakes.
    row("--cvs", {"--cvs", "2024-03"}, "unknown option '--cvs' (see --help)\n");
    row("--ICS", {"--ICS", "2025"}, "unknown option '--ICS' (see --help)\n");
    row("-ics", {"-ics", "2025"}, "unknown option '-ics' (see --help)\n");
    row("--ics2025", {"--ics2025"}, "unknown option '--ics2025' (see --help)\n");
    row("--foo", {"--foo"}, "unknown option '--foo' (see --help)\n");
    row("after Qt's options", {"-platform", "offscreen", "-reverse", "-style=Fusion", "--foo"},
        "unknown option '--foo' (see --help)\n");
    row("after a value", {"--csv", "2024-03", "--lon", "-1", "-x"},
        "unknown option '-x' (see --help)\n");
    row("a value missing", {"--csv"}, "missing value after '--csv'\n");
    row("stray argument", {"--csv", "2024-03", "2024-04"}, "unexpected argument \"2024-04\"");
    row("events of month 13", {"--events", "2026-13"}, "month 13 is outside 1 to 12");
    row("events of no year", {"--events", "soon"},
        "--events takes a year or a month (2025 or 2025-03), not \"soon\"");
    row("events and a table", {"--events", "2026", "--csv", "2026-01"}, "one job at a time");
}

void TestCommandLine::wrongInputIsOneLineStatusTwoAndNoFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.Status, 2);
    QCOMPARE(outcome.Out, QByteArray());
    QCOMPARE(outcome.Err.count('\n'), 1);
    QVERIFY2(outcome.Err.startsWith("selvane: " + message.toUtf8()), outcome.Err.constData());
    QCOMPARE(QDir(output("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
    QVERIFY(!QFileInfo::exists(QFileInfo(settingsPath()).path())); // no settings written
}

void TestCommandLine::csvIsTheTimeListsTable_data() {
    QTest::addColumn<QByteArray>("settings"); // empty: no settings file
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<Observer>("place");
    QTest::addColumn<QString>("sunriseOnThe1st"); // an independent value where one is known
    QTest::newRow("the settings' place on GMT")
        << QByteArray(kGreenwichSettings) << QStringList()
        << Observer(51 + 28 / 60.0 + 38 / 3600.0, 5 / 3600.0, 0) << "06:44";
    QTest::newRow("the settings' named zone")
        << QByteArray("[HKEY_SELVANE]\nLatDeg=52\nLatMin=31\nLatDir=North\nLongDeg=13\n"
                      "LongMin=24\nLongDir=East\nZoneName=Europe/Berlin\n")
        << QStringList() << Zoned(52 + 31 / 60.0, -13.4, "Europe/Berlin") << "";
    // East positive on the command line, west positive in the engine: a wrong sign would move
    // Sydney's times by 20 hours.
    QTest::newRow("options over the settings")
        << QByteArray(kGreenwichSettings)
        << QStringList{"--lat", "-33.8688", "--lon", "151.2093", "--zone", "Australia/Sydney"}
        << Zoned(-33.8688, -151.2093, "Australia/Sydney") << "";
    // Qt's start-up options go to the application object, not to the job; /dev/stdout is
    // standard output, written as it is.
    QTest::newRow("with Qt's options, into /dev/stdout")
        << QByteArray(kGreenwichSettings)
        << QStringList{"-platform",     "offscreen", "--style", "Fusion",
                       "-qwindowtitle", "--x",       "-o",      "/dev/stdout"}
        << Observer(51 + 28 / 60.0 + 38 / 3600.0, 5 / 3600.0, 0) << "06:44";
    QTest::newRow("north pole, date line, no settings file")
        << QByteArray() << QStringList{"--lat", "90", "--lon", "-180", "--zone", "UTC"}
        << Zoned(90, 180, "UTC") << "";
    QTest::newRow("south pole, date line")
        << QByteArray() << QStringList{"--lat=-90", "--lon=180", "--zone=Pacific/Auckland"}
        << Zoned(-90, -180, "Pacific/Auckland") << "";
}

void TestCommandLine::csvIsTheTimeListsTable() {
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, options);
    QFETCH(Observer, place);
    QFETCH(QString, sunriseOnThe1st);
    if (!settings.isEmpty())
        writeSettings(settings);

    const Outcome outcome = run(QStringList{"--csv", "2024-03"} + options);
    QCOMPARE(outcome.Err, QByteArray());
    QCOMPARE(outcome.Status, 0);
    const QList<QByteArray> lines = outcome.Out.split('\n');
    QCOMPARE(lines.size(), 1 + 31 + 1); // the header, the days, nothing after the last line end
    QCOMPARE(lines[0], QByteArray("date,moonrise,moon_transit,moonset,illumination,astro_start,"
                                  "nautical_start,civil_start,sunrise,sun_transit,sunset,"
                                  "civil_end,nautical_end,astro_end"));
    const MonthTimeTable table = FillMonthTimeTable(2024, 3, place);
    for (int day = 1; day <= 31; ++day) {
        const DayTimes& t = table.Days[static_cast<std::size_t>(day - 1)];
        const std::string texts[] = {TableText(t.MoonTimes.Rise),
                                     TableText(t.MoonTimes.Transit),
                                     TableText(t.MoonTimes.Set),
                                     std::to_string(t.Illumination) + "%",
                                     TableText(t.AstronomicalTwilight.Start),
                                     TableText(t.NauticalTwilight.Start),
                                     TableText(t.CivilTwilight.Start),
                                     TableText(t.SunTimes.Rise),
                                     TableText(t.SunTimes.Transit),
                                     TableText(t.SunTimes.Set),
                                     TableText(t.CivilTwilight.End),
                                     TableText(t.NauticalTwilight.End),
                                     TableText(t.AstronomicalTwilight.End)};
        QByteArray expected = QDate(2024, 3, day).toString(Qt::ISODate).toLatin1();
        for (const std::string& text : texts)
            expected += ',' + QByteArray::fromStdString(text);
        QCOMPARE(lines[day], expected);
    }
    if (!sunriseOnThe1st.isEmpty())
        QCOMPARE(lines[1].split(',')[8], sunriseOnThe1st.toLatin1());
    // The settings file is read as it is and never completed or created.
    QCOMPARE(ReadFile(settingsPath()), settings);
    QCOMPARE(QFileInfo::exists(settingsPath()), !settings.isEmpty());
}

void TestCommandLine::calendarFileHasThePublishedPhasesAndTheListsRises() {
    writeSettings(kGreenwichSettings);
    QCOMPARE(run({"--ics", "2025", "--output", "first.ics"}).Status, 0);
    QCOMPARE(run({"--ics=2025", "-o", "second.ics"}).Status, 0);
    const auto first = Events(ReadFile(output("first.ics")));
    const auto second = Events(ReadFile(output("second.ics")));

    // 2025's twelve Full Moons; the one of 14 March at 06:55 UT (published ephemerides).
    int fullMoons = 0;
    const QDateTime march14(QDate(2025, 3, 14), QTime(6, 55), QTimeZone::utc());
    qint64 closest = 86400;
    std::set<QByteArray> uids;
    for (const auto& event : first) {
        uids.insert(event.at("UID"));
        if (event.at("SUMMARY") != "Full Moon")
            continue;
        ++fullMoons;
        closest = std::min(closest, std::abs(Utc(event.at("DTSTART")).secsTo(march14)));
    }
    QCOMPARE(fullMoons, 12);
    QVERIFY2(closest <= 120, qPrintable(QString::number(closest)));
    // Every UID once, and the same events again in a second export.
    QCOMPARE(uids.size(), first.size());
    std::set<QByteArray> again;
    for (const auto& event : second)
        again.insert(event.at("UID"));
    QCOMPARE(again, uids);

    // With the rises and sets: each moonrise at the instant the time list shows for its date.
    const QStringList london{"--lat", "51.4772", "--lon", "-0.0014", "--zone", "Europe/London"};
    QCOMPARE(
        run(QStringList{"--ics", "2024-03", "--with-rise-set", "-o", "rises.ics"} + london).Status,
        0);
    const Outcome csv = run(QStringList{"--csv", "2024-03"} + london);
    const QList<QByteArray> days = csv.Out.split('\n');
    const QTimeZone zone("Europe/London");
    int rises = 0;
    for (const auto& event : Events(ReadFile(output("rises.ics")))) {
        if (event.at("SUMMARY") != "Moonrise")
            continue;
        const QDateTime local = Utc(event.at("DTSTART")).toTimeZone(zone);
        QCOMPARE(local.date().month(), 3);
        QCOMPARE(days[local.date().day()].split(',')[1], local.toString("HH:mm").toLatin1());
        ++rises;
    }
    // And every date the list gives a moonrise has its event.
    int listed = 0;
    for (int day = 1; day <= 31; ++day)
        listed += days[day].split(',')[1].contains(':');
    QCOMPARE(rises, listed);
    QVERIFY(rises >= 28);
}

void TestCommandLine::eventsAreTheYearsEclipsesSupermoonsAndBlueMoons() {
    // 2026 seen from Madrid. Eclipses: greatest eclipse in TD from the Five Millennium Canons
    // less Delta-T 75 s, with their magnitudes (lunar umbral; the annular one's at greatest
    // eclipse, in Antarctica); the total solar eclipse at Madrid, partial there, from PyEphem
    // (test_eclipses.cpp). Full Moons: PyEphem, 2026 May 31 08:45 UT (the month's second, the
    // Moon below Madrid's horizon) and December 24 01:28 UT at 356 738 km (the Moon up).
    const QStringList madrid{"--lat", "40.4168", "--lon", "-3.7038", "--zone", "Europe/Madrid"};
    const Outcome outcome = run(QStringList{"--events", "2026"} + madrid);
    QCOMPARE(outcome.Err, QByteArray());
    QCOMPARE(outcome.Status, 0);
    struct Row {
        const char* Kind;
        int Month, Day, Hour, Minute, Second; // universal time
        double Magnitude;                     // -1: none
        const char* Visible;
    };
    const Row rows[] = {
        {"Annular solar eclipse", 2, 17, 12, 11, 51, 0.9630, "no"},
        {"Total lunar eclipse", 3, 3, 11, 33, 37, 1.1507, "no"},
        {"Blue moon", 5, 31, 8, 45, 0, -1, "no"},
        {"Total solar eclipse", 8, 12, 18, 32, 17, 0.9990, "yes"},
        {"Partial lunar eclipse", 8, 28, 4, 12, 49, 0.9299, "yes"},
        {"Supermoon", 12, 24, 1, 28, 0, -1, "yes"},
    };
    const QList<QByteArray> lines = outcome.Out.split('\n');
    QCOMPARE(lines.size(), 1 + int(std::size(rows)) + 1);
    QCOMPARE(lines[0], QByteArray("kind,local_date,local_time,ut,magnitude,visible"));
    QCOMPARE(lines.last(), QByteArray());
    const QTimeZone zone("Europe/Madrid");
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const QList<QByteArray> f = lines[int(i) + 1].split(',');
        QCOMPARE(f.size(), 6);
        QCOMPARE(f[0], QByteArray(r.Kind));
        // The UT to the second; the local date and time are the same instant on Madrid's clock,
        // the seconds cut. The Full Moons are taken from the phase series as universal time.
        const QDateTime want(QDate(2026, r.Month, r.Day), QTime(r.Hour, r.Minute, r.Second),
                             QTimeZone::utc());
        const QDateTime ut = QDateTime::fromString(QString::fromLatin1(f[3]), Qt::ISODate);
        QVERIFY2(ut.isValid() && f[3].endsWith('Z'), f[3].constData());
        QVERIFY2(std::abs(ut.secsTo(want)) <= (r.Magnitude < 0 ? 120 : 60), f[3].constData());
        const QDateTime local = ut.toTimeZone(zone);
        QCOMPARE(f[1], local.date().toString(Qt::ISODate).toLatin1());
        QCOMPARE(f[2], local.time().toString("HH:mm").toLatin1());
        if (r.Magnitude < 0)
            QCOMPARE(f[4], QByteArray());
        else
            QVERIFY2(std::abs(f[4].toDouble() - r.Magnitude) < 0.005 && f[4].size() == 5,
                     f[4].constData());
        QCOMPARE(f[5], QByteArray(r.Visible));
    }
    // A month's lines are the year's; --output writes the same bytes.
    const Outcome august = run(QStringList{"--events", "2026-08", "-o", "august.csv"} + madrid);
    QCOMPARE(august.Status, 0);
    QCOMPARE(ReadFile(output("august.csv")), lines[0] + '\n' + lines[4] + '\n' + lines[5] + '\n');
    const Outcome april = run(QStringList{"--events", "2026-04"} + madrid);
    QCOMPARE(april.Out, lines[0] + '\n');
}

void TestCommandLine::pdfPagesAreThePrintedPages() {
    writeSettings(kGreenwichSettings);
    // The pages of the print test's month and place: the title, 1 March's sunrise and a
    // heading of each page.
    const std::pair<const char*, QStringList> pages[] = {
        {"calendar", {"March 2024", "Latitude: 51", "SR: 06:44", "Saturday"}},
        {"table", {"March 2024", "Latitude: 51", "Twilight Start", "06:44"}},
    };
    for (const auto& [kind, texts] : pages) {
        const QString file = QStringLiteral("%1.pdf").arg(kind);
        const Outcome outcome = run({"--pdf", kind, "2024-03", "--output", file});
        QCOMPARE(outcome.Err, QByteArray());
        QCOMPARE(outcome.Status, 0);
        QCOMPARE(PdfProblems(output(file), texts), QString());
        // The print job's page: A4 landscape, made by this version.
        const QString info = Run("pdfinfo", {output(file)});
        QVERIFY(info.contains("Page size:       842 x 595 pts (A4)"));
        QVERIFY2(info.contains("\nCreator:         Selvane V1.13\n"), qPrintable(info));
    }
}

void TestCommandLine::helpAndVersion() {
    const Outcome help = run({"--help"});
    QCOMPARE(help.Status, 0);
    for (const char* text : {"--ics <year|year-month>", "--pdf <calendar|table>", "--csv",
                             "--events <year|year-month>", "kind,local_date,local_time,ut,",
                             "--with-rise-set", "-o, --output <file>", "--lat", "--lon", "--zone"})
        QVERIFY2(help.Out.contains(text), text);
    const Outcome version = run({"-v"});
    QCOMPARE(version.Status, 0);
    QCOMPARE(version.Out, QByteArray("selvane 1.13\n"));
    QCOMPARE(help.Err + version.Err, QByteArray());
}

// Run as from cron, without XDG_RUNTIME_DIR, a page (which needs Qt's GUI application) says
// nothing but what it did and leaves nothing in the temporary folder.
void TestCommandLine::aPageWithoutRuntimeFolderLeavesNothing() {
    writeSettings(kGreenwichSettings);
    QVERIFY(QDir(m_dir->path()).mkdir("tmp"));
    QProcessEnvironment env = environment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", m_dir->filePath("tmp"));
    const Outcome outcome = run({"--pdf", "calendar", "2024-03", "-o", "march.pdf"}, env);
    QCOMPARE(outcome.Err, QByteArray());
    QCOMPARE(outcome.Status, 0);
    QVERIFY(QFileInfo(output("march.pdf")).size() > 0);
    QCOMPARE(QDir(m_dir->filePath("tmp"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList());
}

void TestCommandLine::anUnreadableSettingsFileIsNamedAndTheDefaultsUsed() {
    // Without a settings file the place is the first run's: 0 N, 0 W on GMT.
    const Outcome defaults = run({"--csv", "2024-03"});
    QCOMPARE(defaults.Status, 0);
    QCOMPARE(defaults.Err, QByteArray());
    QVERIFY(defaults.Out.contains("\n2024-03-01,"));

    // A settings file that opens but cannot be read (the first byte of /proc/self/mem gives
    // EIO): one line on stderr names it, the job is done with the defaults, and the link stays.
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath()).path()));
    QVERIFY(QFile::link("/proc/self/mem", settingsPath()));
    const Outcome unreadable = run({"--csv", "2024-03"});
    QCOMPARE(unreadable.Status, 0);
    QCOMPARE(unreadable.Out, defaults.Out);
    QCOMPARE(unreadable.Err.count('\n'), 1);
    QVERIFY2(unreadable.Err.startsWith("Selvane: cannot read " + settingsPath().toUtf8() + " ("),
             unreadable.Err.constData());
    QVERIFY2(unreadable.Err.endsWith("); started with the defaults and will not write over it\n"),
             unreadable.Err.constData());
    QCOMPARE(QFileInfo(settingsPath()).symLinkTarget(), QString("/proc/self/mem"));
}

void TestCommandLine::theLanguageTellsTheMessagesAndEventsNotTheCsv_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message"); // of --csv 2024-13
    QTest::addColumn<QString>("fullMoon");
    QTest::addColumn<QString>("perigee"); // before its distance
    QTest::addColumn<QString>("calendar");
    const auto row = [](const char* language, const char* message, const char* fullMoon,
                        const char* perigee, const char* calendar) {
        QTest::newRow(language) << QString::fromLatin1(language) << QString::fromUtf8(message)
                                << QString::fromUtf8(fullMoon) << QString::fromUtf8(perigee)
                                << QString::fromUtf8(calendar);
    };
    row("en", "month 13 is outside 1 to 12 (--csv 2024-13)", "Full Moon", "Perigee",
        "Selvane Moon 2025-03");
    row("C", "month 13 is outside 1 to 12 (--csv 2024-13)", "Full Moon", "Perigee",
        "Selvane Moon 2025-03");
    row("de", "Monat 13 liegt nicht zwischen 1 und 12 (--csv 2024-13)", "Vollmond", "Perig\u00e4um",
        "Selvane Mond 2025-03");
    row("fr", "le mois 13 n\u2019est pas compris entre 1 et 12 (--csv 2024-13)", "Pleine lune",
        "P\u00e9rig\u00e9e", "Selvane Lune 2025-03");
    row("pl", "miesi\u0105c 13 nie mie\u015bci si\u0119 w zakresie od 1 do 12 (--csv 2024-13)",
        "Pe\u0142nia", "Perygeum", "Selvane Ksi\u0119\u017cyc 2025-03");
}

void TestCommandLine::theLanguageTellsTheMessagesAndEventsNotTheCsv() {
    QFETCH(QString, language);
    QFETCH(QString, message);
    QFETCH(QString, fullMoon);
    QFETCH(QString, perigee);
    QFETCH(QString, calendar);
    writeSettings(kGreenwichSettings);
    const Outcome bad = run({"--csv", "2024-13"}, language);
    QCOMPARE(bad.Status, 2);
    QCOMPARE(QString::fromUtf8(bad.Err), QStringLiteral("selvane: ") + message + u'\n');

    // The events are named in the language and keep their ids and instants.
    QCOMPARE(run({"--ics", "2025-03", "-o", "english.ics"}).Status, 0);
    QCOMPARE(run({"--ics", "2025-03", "-o", "shown.ics"}, language).Status, 0);
    const QByteArray shownFile = ReadFile(output("shown.ics"));
    const auto english = Events(ReadFile(output("english.ics")));
    const auto shown = Events(shownFile);
    QCOMPARE(shown.size(), english.size());
    QStringList summaries;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown[i].at("UID"), english[i].at("UID"));
        QCOMPARE(shown[i].at("DTSTART"), english[i].at("DTSTART"));
        summaries << QString::fromUtf8(shown[i].at("SUMMARY"));
    }
    QVERIFY2(summaries.contains(fullMoon), qPrintable(summaries.join(u',')));
    static const QRegularExpression distance(QStringLiteral("^ [0-9]{3} [0-9]{3} km$"));
    QVERIFY2(std::any_of(summaries.cbegin(), summaries.cend(),
                         [&](const QString& s) {
                             return s.startsWith(perigee) &&
                                    distance.match(s.mid(perigee.size())).hasMatch();
                         }),
             qPrintable(summaries.join(u',')));
    QVERIFY(shownFile.contains("X-WR-CALNAME:" + calendar.toUtf8() + "\r\n"));

    // The table scripts read stays as it is.
    const Outcome csv = run({"--csv", "2024-03"}, language);
    QCOMPARE(csv.Status, 0);
    QCOMPARE(csv.Out, run({"--csv", "2024-03"}).Out);
    QVERIFY(csv.Out.startsWith("date,moonrise,moon_transit,moonset,illumination,"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
