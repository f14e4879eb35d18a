// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings.h"
#include "core/settingsstore.h"
#include "recordingstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace selvane;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

// Lets no process write a byte into regular files while it lives (root included).
class NoFileWrites {
public:
    NoFileWrites() {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_old;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileWrites() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// Lets root's file accesses be checked as another user's while it lives (a file of mode 000
// cannot be read then); changes nothing for anybody else.
class FileAccessAsNobody {
public:
    FileAccessAsNobody()
        : m_root(geteuid() == 0) {
        if (m_root)
            setfsuid(65534);
    }
    ~FileAccessAsNobody() {
        if (m_root)
            setfsuid(0);
    }

private:
    bool m_root;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesTheEighteenDefaultsInOrder();
    void firstRunFileReadsBackTwelveThroughTheOtherSpelling();
    void missingDensityAndZoneAreCompleted();
    void booleansAreTrueOnlyForExactTrue();
    void southTurnsTheViewOnlyWhenExact();
    void longTextsKeepTheirFirstCharacters();
    void junkValuesLoadAsTheirDefaults_data();
    void junkValuesLoadAsTheirDefaults();
    void rangeEndsLoadAsStored();
    void zonesAreNamedForHeadings();
    void unreadableFileIsKeptBeforeTheDefaultsReplaceIt();
    void namesMatchWithoutCaseInTheFile();
    void handEditedTextWithCommasStaysOneText();
    void handEditedFileKeepsEveryByteItDoesNotChange_data();
    void handEditedFileKeepsEveryByteItDoesNotChange();
    void textsLongerThanTheRecordKeepsStayUntilChanged();
    void textsWrittenBeforeAndNowReadBack();
    void escapesCountOnlyInsideQuotes();
    void aCrlfFileReadsAndGrowsInCrlf();
    void aPathThatIsNoRegularFileIsLeftAlone();
    void aFileThatCannotBeReadIsNamedAndNeverWritten_data();
    void aFileThatCannotBeReadIsNamedAndNeverWritten();
    void aFileThatCannotBeWrittenIsNamedAtStart();
    void savedValuesLoadBack();
    void saveToAStoreWithoutTheKeyReportsItAndWrites();
    void unwritableStoreReportsFailureAndKeepsOldValues();
    void coordinatesAndZoneIndexAsTheEngineTakesThem();
};

void TestSettings::firstRunWritesTheEighteenDefaultsInOrder() {
    RecordingStore store;
    const Settings s = LoadSettings(store);
    QCOMPARE(store.writes,
             QStringList({"LatDeg", "LatMin", "LatSec", "LatDir", "LongDeg", "LongMin", "LongSec",
                          "LongDir", "Location", "DayOrder", "DateLayout", "DateLayoutIdx",
                          "PrintSunTimes", "PrintLunarTimes", "PhasePrintout", "PhaseDensity",
                          "TimeZone", "DaylightSavings"}));
    QVERIFY(s == Settings());
    QCOMPARE(s.TimeZone, 12);
    QCOMPARE(s.PhaseDensity, 75);
    QCOMPARE(s.Long.Direction, std::string("West"));
    QCOMPARE(s.DateLayout, std::string("dd/mm/yyyy"));
    QVERIFY(s.PrintSunTimes && s.PrintLunarTimes && !s.DaylightSavings);
}

void TestSettings::firstRunFileReadsBackTwelveThroughTheOtherSpelling() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane/Selvane.ini");
    {
        IniSettingsStore store(path);
        QVERIFY(!store.keyExists());
        LoadSettings(store);
    }
    const QByteArray file = readFile(path);
    QVERIFY2(file.contains("[HKEY_SELVANE]"), file.constData());
    QVERIFY(file.contains("TimeZone=12"));
    QVERIFY(!file.contains("Timezone"));
    QVERIFY(file.contains("PrintSunTimes=True"));

    IniSettingsStore again(path);
    QVERIFY(again.keyExists());
    QCOMPARE(again.read("Timezone"), QString("12"));
    const Settings s = LoadSettings(again);
    QCOMPARE(s.TimeZone, 12);
    QCOMPARE(readFile(path), file); // a complete key is not written again
}

void TestSettings::missingDensityAndZoneAreCompleted() {
    RecordingStore store;
    LoadSettings(store);
    store.values.remove("phasedensity");
    store.values.remove("timezone");
    store.writes.clear();

    const Settings s = LoadSettings(store);
    QCOMPARE(s.PhaseDensity, 75);
    QCOMPARE(s.TimeZone, 12);
    QCOMPARE(store.writes, QStringList({"PhaseDensity", "Timezone"}));
    QCOMPARE(store.read("PhaseDensity"), QString("75"));
    QCOMPARE(store.read("TIMEZONE"), QString("12"));
}

void TestSettings::booleansAreTrueOnlyForExactTrue() {
    RecordingStore store;
    LoadSettings(store);
    for (const char* text : {"true", "TRUE", "", "1", "True "}) {
        store.values["daylightsavings"] = text;
        store.values["printsuntimes"] = text;
        const Settings s = LoadSettings(store);
        QVERIFY2(!s.DaylightSavings && !s.PrintSunTimes, text);
    }
    store.values["daylightsavings"] = "True";
    QVERIFY(LoadSettings(store).DaylightSavings);
}

void TestSettings::southTurnsTheViewOnlyWhenExact() {
    RecordingStore store;
    LoadSettings(store);
    store.values["latdir"] = "South";
    QVERIFY(StartsInSouthernView(LoadSettings(store)));
    for (const char* text : {"south", "SOUTH", "North", ""}) {
        store.values["latdir"] = text;
        QVERIFY2(!StartsInSouthernView(LoadSettings(store)), text);
    }
}

void TestSettings::longTextsKeepTheirFirstCharacters() {
    RecordingStore store;
    LoadSettings(store);
    const QString location = QString(70, QChar(u'\u00e9'));
    store.values["location"] = location;
    store.values["datelayout"] = "dd/mm/yyyy and more";
    store.values["latdir"] = "Southern";
    store.values["latdeg"] = "1234";
    const Settings s = LoadSettings(store);
    QCOMPARE(QString::fromStdString(s.Location), location.left(64));
    QCOMPARE(s.DateLayout, std::string("dd/mm/yyyy"));
    QCOMPARE(s.Lat.Direction, std::string("Southe"));
    QCOMPARE(s.Lat.Degrees, std::string("123"));
    QVERIFY(!StartsInSouthernView(s));
}

void TestSettings::junkValuesLoadAsTheirDefaults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("day order not a number") << "DayOrder"
                                            << "Monday";
    QTest::newRow("day order out of range") << "DayOrder"
                                            << "7";
    QTest::newRow("day order negative") << "DayOrder"
                                        << "-1";
    QTest::newRow("zone not a number") << "Timezone"
                                       << "GMT";
    QTest::newRow("zone above 24") << "Timezone"
                                   << "25";
    QTest::newRow("zone negative") << "Timezone"
                                   << "-3";
    QTest::newRow("zone with a fraction") << "Timezone"
                                          << "5.5";
    QTest::newRow("printout not a number") << "PhasePrintout"
                                           << "both";
    QTest::newRow("density not a number") << "PhaseDensity"
                                          << "dark";
    QTest::newRow("latitude degrees") << "LatDeg"
                                      << "5x";
    QTest::newRow("latitude minutes empty") << "LatMin"
                                            << "";
    QTest::newRow("longitude seconds") << "LongSec"
                                       << "1.5";
    QTest::newRow("layout index") << "DateLayoutIdx"
                                  << "first";
    QTest::newRow("layout missing") << "DateLayout"
                                    << "";
    QTest::newRow("layout without a date") << "DateLayout"
                                           << "--.--";
    QTest::newRow("latitude direction missing") << "LatDir"
                                                << "";
    QTest::newRow("longitude direction missing") << "LongDir"
                                                 << "";
}

void TestSettings::junkValuesLoadAsTheirDefaults() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    RecordingStore store;
    LoadSettings(store);
    store.values["latdeg"] = "51";
    store.values["latmin"] = "28";
    store.values["latdir"] = "South";
    store.values["longsec"] = "5";
    store.values["longdir"] = "East";
    store.values["datelayout"] = "mm/dd/yyyy";
    store.values["datelayoutidx"] = "1";
    Settings expected = LoadSettings(store);
    // The named value loads as the first run's.
    const Settings first;
    if (name == "LatDeg")
        expected.Lat.Degrees = first.Lat.Degrees;
    if (name == "LatMin")
        expected.Lat.Minutes = first.Lat.Minutes;
    if (name == "LatDir")
        expected.Lat.Direction = first.Lat.Direction;
    if (name == "LongSec")
        expected.Long.Seconds = first.Long.Seconds;
    if (name == "LongDir")
        expected.Long.Direction = first.Long.Direction;
    if (name == "DateLayout")
        expected.DateLayout = first.DateLayout;
    if (name.startsWith("DateLayout"))
        expected.DateLayoutIdx = first.DateLayoutIdx;

    store.values[name.toLower()] = text;
    store.writes.clear();
    const Settings s = LoadSettings(store);
    QVERIFY(s == expected);
    QCOMPARE(store.writes, QStringList()); // nothing is written back
}

void TestSettings::rangeEndsLoadAsStored() {
    RecordingStore store;
    LoadSettings(store);
    for (auto [zone, dayOrder] : {std::pair{0, 0}, std::pair{24, 6}}) {
        store.values["timezone"] = QString::number(zone);
        store.values["dayorder"] = QString::number(dayOrder);
        const Settings s = LoadSettings(store);
        QCOMPARE(s.TimeZone, zone);
        QCOMPARE(int(s.DayOrder), dayOrder);
    }
}

void TestSettings::zonesAreNamedForHeadings() {
    Settings s;
    QCOMPARE(ZoneDescription(s, false), QString("GMT"));
    s.TimeZone = 0;
    QCOMPARE(ZoneDescription(s, false), QString("GMT - 12:00"));
    s.TimeZone = 17;
    s.DaylightSavings = true;
    QCOMPARE(ZoneDescription(s, false), QString("GMT + 05:00, Daylight Savings Time"));
    s.ZoneName = "Asia/Kathmandu";
    QCOMPARE(ZoneDescription(s, true), QString("Asia/Kathmandu"));
    // A name the system does not know leaves the fixed zone.
    QCOMPARE(ZoneDescription(s, false), QString("GMT + 05:00, Daylight Savings Time"));
}

void TestSettings::unreadableFileIsKeptBeforeTheDefaultsReplaceIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    QByteArray garbage(4096, '\0');
    quint32 x = 12345;
    for (char& c : garbage) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    const QByteArray otherProgram = "[General]\nsize=3\n";

    for (const QByteArray& old : {garbage, otherProgram}) {
        writeFile(path, old);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no readable settings; kept it"));
        IniSettingsStore store(path);
        Settings s = LoadSettings(store);
        QVERIFY(s == Settings());
        // A later save of the session reaches the new file and says so.
        s.PhaseDensity = 40;
        QVERIFY(SavePrintOptions(store, s).Written);
        const QString copy = path + (old == garbage ? ".bak" : ".bak.1");
        QCOMPARE(readFile(copy), old);
        // The new file holds the defaults and nothing of the old one.
        const QByteArray file = readFile(path);
        QVERIFY(file.startsWith("[HKEY_SELVANE]"));
        QCOMPARE(file.count('\n'), 19);
        QVERIFY(file.contains("\nPhaseDensity=40\n"));
    }
    QCOMPARE(readFile(path + ".bak"), garbage); // the older copy was not overwritten

    // A first run makes no copy, and neither does a later start.
    QTemporaryDir fresh;
    for (int run = 0; run < 2; ++run) {
        IniSettingsStore store(fresh.filePath("Selvane.ini"));
        LoadSettings(store);
    }
    QCOMPARE(QDir(fresh.path()).entryList(QDir::Files), QStringList{"Selvane.ini"});
}

void TestSettings::namesMatchWithoutCaseInTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    writeFile(path, "[hkey_selvane]\nTIMEZONE=5\nlatdeg=10\nLatDir=South\nDAYLIGHTSAVINGS=True\n");

    IniSettingsStore store(path);
    QVERIFY(store.keyExists());
    const Settings s = LoadSettings(store);
    QCOMPARE(s.TimeZone, 5);
    QCOMPARE(s.Lat.Degrees, std::string("10"));
    QVERIFY(s.DaylightSavings);
    QVERIFY(StartsInSouthernView(s));

    store.write("Timezone", "7");
    QVERIFY(store.commit());
    const QByteArray file = readFile(path);
    QCOMPARE(file.count("imezone"), 0); // the value kept its stored spelling
    QCOMPARE(file.count("TIMEZONE=7"), 1);
    QVERIFY(!file.contains("[HKEY_SELVANE]"));
    QCOMPARE(IniSettingsStore(path).read("timezone"), QString("7"));
}

void TestSettings::handEditedTextWithCommasStaysOneText() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    writeFile(path, "[HKEY_SELVANE]\nLocation=Greenwich, London\n");
    QCOMPARE(
        QString::fromStdString(LoadSettings(*std::make_unique<IniSettingsStore>(path)).Location),
        QString("Greenwich, London"));
}

void TestSettings::handEditedFileKeepsEveryByteItDoesNotChange_data() {
    QTest::addColumn<QByteArray>("line"); // the Location line
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes, signs, a backslash")
        << QByteArray("Location=He said \"hi\" = [x] ; #c \\ end\n")
        << QString("He said \"hi\" = [x] ; #c \\ end");
    QTest::newRow("Latin-1") << QByteArray("Location=Z\xfcrich\n")
                             << QStringView(u"Z\u00fcrich").toString();
    QTest::newRow("UTF-8 between blanks")
        << QByteArray("Location= \t\xe6\x97\xa5\xe6\x9c\xac, Z\xc3\xbcrich  \n")
        << QStringView(u"\u65e5\u672c, Z\u00fcrich").toString();
    QTest::newRow("a NUL byte") << QByteArray("Location=a\0b\n", 13)
                                << QString::fromLatin1("a\0b", 3);
}

void TestSettings::handEditedFileKeepsEveryByteItDoesNotChange() {
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    // Every value of the configuration window but the zone index; no print options.
    const QByteArray head = "; written by hand\n"
                            "[hkey_selvane]\n"
                            "LatDeg = 051\n"
                            "LatMin=028\n"
                            "LatSec=038\n"
                            "LatDir=North\n"
                            "longdeg=0\n"
                            "LongMin=0\n"
                            "LongSec=5\n"
                            "LongDir=West\r\n"
                            "DayOrder=1\n"
                            "DateLayout=dd/mm/yyyy\n"
                            "DateLayoutIdx=0\n"
                            "DaylightSavings=False\n"
                            "ZoneName=\n";
    const QByteArray tail = "\n[Other]\nkey=\"quoted\", ; x\n";
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    writeFile(path, head + line + tail);

    // The start adds the two missing values to the group and changes nothing else.
    IniSettingsStore store(path);
    Settings s = LoadSettings(store);
    const QByteArray started = head + line + "PhaseDensity=75\nTimezone=12\n" + tail;
    QCOMPARE(readFile(path), started);
    QCOMPARE(QString::fromStdString(s.Location), text);
    QCOMPARE(s.Lat, (LocationAngle{"051", "028", "038", "North"}));
    QCOMPARE(s.DayOrder, 1);

    // Saved as loaded, nothing is written; a new place replaces only its own line.
    QVERIFY(SaveConfiguration(store, s).Written);
    QCOMPARE(readFile(path), started);
    s.Location = "Kew";
    QVERIFY(SaveConfiguration(store, s).Written);
    QCOMPARE(readFile(path), head + "Location=Kew\nPhaseDensity=75\nTimezone=12\n" + tail);
}

void TestSettings::textsLongerThanTheRecordKeepsStayUntilChanged() {
    // Values written by hand longer than the record keeps them, and what the record holds.
    const QString location = QString(70, QChar(u'\u00e9')) + "0123456789";
    const struct {
        const char* Name;
        QString Stored;
        std::string Loaded; // the record's field
        std::string Changed;
    } rows[] = {
        {"Location", location, location.left(64).toStdString(), "Kew"},
        {"LatDir", "Southern", "Southe", "South"},
        {"LongDeg", "0012", "001", "12"},
        {"DateLayout", "dd/mm/yyyy (day first)", "dd/mm/yyyy", "mm/dd/yyyy"},
        {"ZoneName", "America/Argentina/ComodRivadavia/" + QString(40, 'x'),
         ("America/Argentina/ComodRivadavia/" + QString(31, 'x')).toStdString(), "Europe/Paris"},
    };
    const auto field = [](Settings& s, const QString& name) -> std::string& {
        return name == "Location"     ? s.Location
               : name == "LatDir"     ? s.Lat.Direction
               : name == "LongDeg"    ? s.Long.Degrees
               : name == "DateLayout" ? s.DateLayout
                                      : s.ZoneName;
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    for (const auto& row : rows) {
        const QByteArray file = "[HKEY_SELVANE]\nPhaseDensity=75\nTimezone=12\n" +
                                QByteArray(row.Name) + "=" + row.Stored.toUtf8() + "\n";
        writeFile(path, file);
        IniSettingsStore store(path);
        Settings s = LoadSettings(store);
        QCOMPARE(field(s, row.Name), row.Loaded);
        // Saved as loaded, the long text stays; the other values are added after it.
        QVERIFY(SaveConfiguration(store, s).Written);
        QVERIFY2(readFile(path).startsWith(file), row.Name);
        QCOMPARE(IniSettingsStore(path).read(row.Name), row.Stored);
        // Changed, it is replaced.
        field(s, row.Name) = row.Changed;
        QVERIFY(SaveConfiguration(store, s).Written);
        QCOMPARE(IniSettingsStore(path).read(row.Name), QString::fromStdString(row.Changed));
    }
}

void TestSettings::textsWrittenBeforeAndNowReadBack() {
    // Earlier versions wrote the file through QSettings; this store writes what cannot stand
    // as it is in its quoted form. Every text this store writes reads back as it was, and no
    // NUL byte is written. QSettings' files read back too, but for the texts it wrote with
    // escapes outside quotes: an unquoted value is read as written, so those read as QSettings
    // wrote them (the second text).
    const std::pair<QString, QString> texts[] = {
        {"Greenwich, London", "Greenwich, London"},
        {"He said \"hi\" = [x] ; #c \\ end", "He said \"hi\" = [x] ; #c \\ end"},
        {QStringView(u"Z\u00fcrich \u65e5\u672c").toString(),
         QStringView(u"Z\u00fcrich \u65e5\u672c").toString()},
        {" leading space", " leading space"},
        {"trailing space ", "trailing space "},
        {"@home", "@home"},
        {"@@x", "@@x"},
        {"C:\\temp", "C:\\\\temp"},
        {"\"Kew\"", "\\\"Kew\\\""},
        {"line\nbreak", "line\\nbreak"},
        {QString::fromLatin1("nul\0after", 9), "@String(nul\\0\\x61\\x66ter)"},
        {"50% = half", "50% = half"},
        {"", ""},
    };
    QTemporaryDir dir;
    for (const auto& [text, fromQSettings] : texts) {
        const QString before = dir.filePath("before.ini"), now = dir.filePath("now.ini");
        QFile::remove(before);
        QFile::remove(now);
        {
            QSettings old(before, QSettings::IniFormat);
            old.setValue("HKEY_SELVANE/Location", text);
        }
        {
            IniSettingsStore store(now);
            store.write("Location", text);
            QVERIFY(store.commit());
        }
        const QByteArray written = readFile(now);
        QVERIFY2(!written.contains('\0') && !written.contains("@String"), written.constData());
        QCOMPARE(IniSettingsStore(before).read("Location"), fromQSettings);
        QCOMPARE(IniSettingsStore(now).read("Location"), text);
    }
}

void TestSettings::escapesCountOnlyInsideQuotes() {
    // What follows "Location=" in a file written by hand, and the text it reads as.
    const std::pair<QByteArray, QString> values[] = {
        {"C:\\temp\\new", "C:\\temp\\new"}, // no tab, no line break
        {"\"C:\\\\temp\\\\new\"", "C:\\temp\\new"},
        {"\"tab\\there\"", "tab\there"},
        {" a\\tb ", "a\\tb"},
        {"\\\"Kew\\\"", "\\\"Kew\\\""},
        {"\"\\\"Kew\\\"\"", "\"Kew\""},
        {"\"unended", "\"unended"},
        {"@@home", "@home"},
        {"\\x41", "\\x41"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    for (const auto& [written, text] : values) {
        writeFile(path, "[HKEY_SELVANE]\nLocation=" + written + "\n");
        QCOMPARE(IniSettingsStore(path).read("Location"), text);
    }
}

void TestSettings::aCrlfFileReadsAndGrowsInCrlf() {
    // A file with Windows line endings, with and without one after its last line, and one of
    // another program without our group: values read without the carriage return, and the
    // lines the start and a save add end as the file's lines do.
    const QByteArray group = "[HKEY_SELVANE]\r\nLatDeg=51\r\nLatDir=South\r\nLocation=Kew\r\n"
                             "Timezone=13\r\nDaylightSavings=True\r\nZoneName=Europe/London";
    const struct {
        QByteArray File;
        bool Ours;
    } rows[] = {{group + "\r\n", true}, {group, true}, {"[Other]\r\nkey=1\r\n", false}};
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    for (const auto& row : rows) {
        writeFile(path, row.File);
        if (!row.Ours)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no readable settings"));
        IniSettingsStore store(path);
        Settings s = LoadSettings(store);
        if (row.Ours) {
            QCOMPARE(s.Lat.Degrees, std::string("51"));
            QVERIFY(StartsInSouthernView(s));
            QCOMPARE(s.Location, std::string("Kew"));
            QCOMPARE(s.TimeZone, 13);
            QVERIFY(s.DaylightSavings);
            QCOMPARE(s.ZoneName, std::string("Europe/London"));
        }
        s.Location = "Richmond";
        QVERIFY(SaveConfiguration(store, s).Written);
        const QByteArray file = readFile(path);
        QCOMPARE(file.count('\n'), file.count("\r\n"));
        QVERIFY(file.endsWith("\r\n"));
        QVERIFY(file.contains("\r\nLocation=Richmond\r\n"));
        QVERIFY(file.contains("\r\nPhaseDensity=75\r\n"));
    }
}

void TestSettings::aPathThatIsNoRegularFileIsLeftAlone() {
    // A folder, a fifo (reading it would wait for ever), a link to a fifo and a link to
    // nothing: none is read, written through or replaced, and the defaults are used.
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder.ini"));
    QVERIFY(QFile::link(fifo, dir.filePath("fifo-link.ini")));
    QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling.ini")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

    for (const char* name : {"folder.ini", "fifo", "fifo-link.ini", "dangling.ini"}) {
        const QString path = dir.filePath(name);
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QString("Selvane: %1 is not a regular file; left it alone "
                                                "and started with the defaults")
                                            .arg(path)));
        IniSettingsStore store(path);
        const Settings s = LoadSettings(store);
        QVERIFY(s == Settings());
        Settings changed = s;
        changed.Location = "Kew";
        QVERIFY2(!SaveConfiguration(store, changed).Written, name);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
    QVERIFY(QFileInfo(dir.filePath("folder.ini")).isDir());
    QCOMPARE(QFileInfo(dir.filePath("fifo-link.ini")).symLinkTarget(), fifo);
    struct stat st {};
    QCOMPARE(stat(fifo.toLocal8Bit().constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    QVERIFY(QFileInfo(dir.filePath("dangling.ini")).isSymLink());
}

void TestSettings::aFileThatCannotBeReadIsNamedAndNeverWritten_data() {
    QTest::addColumn<bool>("permissions"); // else a link to a file whose reading fails
    QTest::newRow("a link to a file whose reading fails") << false;
    QTest::newRow("mode 000") << true;
}

void TestSettings::aFileThatCannotBeReadIsNamedAndNeverWritten() {
    QFETCH(bool, permissions);
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    const QByteArray stored = "[HKEY_SELVANE]\nLatDeg=51\nLocation=Kew\n";
    if (permissions) {
        writeFile(path, stored);
        QVERIFY(QFile::setPermissions(path, {}));
        // The folder open to all, so that only the file's own mode stands in the way.
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    } else {
        // A regular file that opens, and whose first byte cannot be read (EIO).
        QVERIFY(QFile::link("/proc/self/mem", path));
    }
    const QString warning = QString("Selvane: cannot read %1 (.+); started with the defaults and "
                                    "will not write over it")
                                .arg(QRegularExpression::escape(path));
    // The window's store and the command line's alike name the file on stderr.
    for (const auto access :
         {IniSettingsStore::Access::ReadOnly, IniSettingsStore::Access::ReadWrite}) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^" + warning + "$"));
        std::optional<FileAccessAsNobody> nobody;
        if (permissions)
            nobody.emplace();
        IniSettingsStore store(path, access);
        Settings s = LoadSettings(store);
        QVERIFY(s == Settings());
        QVERIFY(!store.readProblem().isEmpty());
        // A later save leaves the file alone and says why the change will not last.
        s.Location = "Richmond";
        const SaveOutcome outcome = SaveConfiguration(store, s);
        QVERIFY(!outcome.Written);
        QCOMPARE(SaveMessage(outcome, store, "Error reading Registry"),
                 QString("Error reading Registry\n\nThe settings file %1 could not be read (%2), "
                         "so it is left as it is: this change will not survive a restart.")
                     .arg(path, store.readProblem()));
        QVERIFY(!SavePrintOptions(store, s).Written);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{"Selvane.ini"});
    if (permissions) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readFile(path), stored);
    } else {
        QCOMPARE(QFileInfo(path).symLinkTarget(), QString("/proc/self/mem"));
    }
}

void TestSettings::aFileThatCannotBeWrittenIsNamedAtStart() {
    // A file where the settings folder should be: the folder cannot be made, by anybody.
    QTemporaryDir dir;
    writeFile(dir.filePath("Selvane"), "not a folder");
    const QString path = dir.filePath("Selvane/Selvane.ini");
    QTest::ignoreMessage(
        QtWarningMsg, qPrintable(QString("Selvane: cannot write %1 (%2 is not a folder); changes "
                                         "made in this session will not survive a restart")
                                     .arg(path, dir.filePath("Selvane"))));
    IniSettingsStore store(path);
    Settings s = LoadSettings(store);
    QVERIFY(s == Settings());
    // A window's save says so, with the file, after its own heading.
    s.Location = "Kew";
    QCOMPARE(SaveMessage(SaveConfiguration(store, s), store, "Error reading Registry"),
             QString("Error reading Registry\n\nThe settings file %1 could not be written, so "
                     "this change will not survive a restart.")
                 .arg(path));

    // A store that is only read, or a folder that can be written, draws no warning.
    QTest::failOnWarning(QRegularExpression("."));
    IniSettingsStore readOnly(path, IniSettingsStore::Access::ReadOnly);
    IniSettingsStore fine(dir.filePath("Other/Selvane.ini"));
    QVERIFY(fine.writeProblem().isEmpty());
}

void TestSettings::savedValuesLoadBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    Settings s;
    {
        IniSettingsStore store(path);
        s = LoadSettings(store);
        s.Lat = {"51", "28", "38", "North"};
        s.Long = {"0", "0", "5", "West"};
        s.Location = "Greenwich, \"Royal\" Observatory = 1";
        s.DayOrder = 1;
        s.DateLayout = "mm/dd/yyyy";
        s.DateLayoutIdx = 1;
        s.TimeZone = 13;
        s.DaylightSavings = true;
        s.ZoneName = "Asia/Kathmandu";
        QVERIFY(SaveConfiguration(store, s).Written);
        s.PhasePrintout = 2;
        s.PrintLunarTimes = false;
        s.PhaseDensity = 40;
        QVERIFY(SavePrintOptions(store, s).Written);
    }
    IniSettingsStore store(path);
    QVERIFY(LoadSettings(store) == s);
}

void TestSettings::saveToAStoreWithoutTheKeyReportsItAndWrites() {
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath("Selvane.ini"));
    Settings s;
    s.PhaseDensity = 10;
    const SaveOutcome outcome = SavePrintOptions(store, s);
    QVERIFY(!outcome.KeyOpened);
    QVERIFY(outcome.Written);
    QCOMPARE(IniSettingsStore(dir.filePath("Selvane.ini")).read("PhaseDensity"), QString("10"));
}

void TestSettings::unwritableStoreReportsFailureAndKeepsOldValues() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Selvane.ini");
    {
        IniSettingsStore store(path);
        LoadSettings(store);
    }
    const QByteArray before = readFile(path);
    QVERIFY(before.contains("LatDeg=00"));

    Settings changed;
    changed.Lat = {"45", "0", "0", "South"};
    SaveOutcome outcome;
    {
        IniSettingsStore store(path);
        NoFileWrites guard;
        outcome = SaveConfiguration(store, changed);
    }
    QVERIFY(outcome.KeyOpened);
    QVERIFY(!outcome.Written);
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Selvane.ini"}); // no leftovers
}

void TestSettings::coordinatesAndZoneIndexAsTheEngineTakesThem() {
    // Degrees, minutes and seconds add up; only "South" and "East", exactly so, turn the sign
    // (longitudes are west positive); no range check.
    const std::pair<LocationAngle, double> angles[] = {
        {{"53", "20", "0", "North"}, 53.333333333}, {{"6", "15", "0", "East"}, -6.25},
        {{"6", "15", "0", "West"}, 6.25},           {{"51", "28", "38", "South"}, -51.477222222},
        {{"00", "00", "05", "West"}, 0.001388889},  {{"00", "00", "05", "East"}, -0.001388889},
        {{"10", "0", "0", "south"}, 10.0},          {{"10", "75", "0", "North"}, 11.25},
    };
    for (const auto& [angle, degrees] : angles)
        QVERIFY2(qAbs(DmsToDegrees(angle) - degrees) < 1e-9,
                 qPrintable(QString::fromStdString(angle.Degrees + " " + angle.Direction)));
    // And back, to the nearest second (a carry reaches the degrees); a value that rounds to
    // zero keeps the first run's direction.
    const std::tuple<double, bool, LocationAngle> stored[] = {
        {51.4772, true, {"51", "28", "38", "North"}},
        {-33.8688, true, {"33", "52", "08", "South"}},
        {90.0, true, {"90", "00", "00", "North"}},
        {-0.0001, true, {"00", "00", "00", "North"}},
        {0.0014, false, {"00", "00", "05", "West"}},
        {-151.2093, false, {"151", "12", "33", "East"}},
        {-179.99999, false, {"180", "00", "00", "East"}},
    };
    for (const auto& [degrees, latitude, angle] : stored)
        QVERIFY2(DegreesToDms(degrees, latitude) == angle, qPrintable(QString::number(degrees)));
    // Index 12 is GMT; each step east puts universal time an hour behind the clock.
    for (const auto& [zone, daylight, minutes] :
         {std::tuple{12, false, 0}, {0, true, 660}, {24, true, -780}, {13, false, -60}})
        QCOMPARE(UTOffsetFromSettings(zone, daylight), minutes);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
