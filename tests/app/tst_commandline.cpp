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
    void pdfPagesAreThePrintedPages();
    void helpAndVersion();
    void theLanguageTellsTheMessagesAndEventsNotTheCsv_data();
    void theLanguageTellsTheMessagesAndEventsNotTheCsv();

private:
    // The program with these arguments, in the output folder, without a display or a
    // platform named, its settings under the config folder, month names in English; in the
    // language LANGUAGE names when one is given.
    Outcome run(const QStringList& arguments, const QString& language = {}) const;
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

Outcome TestCommandLine::run(const QStringList& arguments, const QString& language) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        env.remove(name);
    if (!language.isEmpty())
        env.insert("LANGUAGE", language);
    env.insert("XDG_CONFIG_HOME", m_dir->filePath("config"));
    env.insert("XDG_RUNTIME_DIR", m_dir->filePath("runtime"));
    env.insert("LC_ALL", "C.UTF-8");
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
    row("unknown zone", {"--ics", "2025", "--zone", "Mars/Olympus_Mons"},
        "unknown time zone \"Mars/Olympus_Mons\"");
    row("calendar to a missing folder", {"--ics", "2025", "-o", "missing/moon.ics"},
        "Cannot write \"missing/moon.ics\"");
    row("page to a missing folder", {"--pdf", "table", "2024-03", "-o", "missing/t.pdf"},
        "Cannot write \"missing/t.pdf\"");
    row("page of a bad kind", {"--pdf", "poster", "2024-03", "-o", "p.pdf"},
        "--pdf makes a calendar or a table, not \"poster\"");
    row("page to the terminal", {"--pdf", "calendar", "2024-03"}, "--pdf needs --output");
    row("two jobs", {"--ics", "2025", "--csv", "2024-03"}, "one job at a time");
    row("no job", {"--lat", "10"}, "nothing to do");
    row("unknown option", {"--csv", "2024-03", "--frob"}, "Unknown option 'frob'.");
    row("stray argument", {"--csv", "2024-03", "2024-04"}, "unexpected argument \"2024-04\"");
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
                             "--with-rise-set", "-o, --output <file>", "--lat", "--lon", "--zone"})
        QVERIFY2(help.Out.contains(text), text);
    const Outcome version = run({"-v"});
    QCOMPARE(version.Status, 0);
    QCOMPARE(version.Out, QByteArray("selvane 1.13\n"));
    QCOMPARE(help.Err + version.Err, QByteArray());
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
