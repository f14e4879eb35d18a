// The calendar file as the program writes it: its name, its header and time stamp, and a write
// that either completes or leaves the place as it was.

#include "engine/moonevents.h"
#include "print/moonexport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <optional>

using namespace selvane;

class TestMoonExport : public QObject {
    Q_OBJECT

private slots:
    void fileNamesAndHeader();
    void aFailedWriteLeavesNothingBehind();
    void exportAsksWhatAndWhereThenWrites();
};

void TestMoonExport::fileNamesAndHeader() {
    QCOMPARE(MoonCalendarFileName(2025, kWholeYear, QString()),
             QStringLiteral("Selvane Moon 2025.ics"));
    QCOMPARE(MoonCalendarFileName(2025, 3, QStringLiteral("März")),
             QStringLiteral("Selvane Moon März 2025.ics"));

    // Made at 10:30:15 two hours east of Greenwich: stamped 08:30:15 UTC.
    const QDateTime made(QDate(2025, 5, 13), QTime(10, 30, 15), QTimeZone(2 * 3600));
    const QByteArray march =
        MoonCalendarFile(2025, 3, Observer(51.4772, 0.0014, 0), false, made, QString());
    QVERIFY(march.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                             "PRODID:-//Selvane//Selvane 1.13//EN\r\n"));
    QVERIFY(march.contains("\r\nX-WR-CALNAME:Selvane Moon 2025-03\r\n"));
    QVERIFY(march.contains("\r\nDTSTAMP:20250513T083015Z\r\n"));
    QVERIFY(march.contains("\r\nUID:full-moon-311@selvane.example.org\r\n"));
    // March 2025: four phases, perigees on the 1st and 30th, an apogee on the 17th.
    QCOMPARE(march.count("BEGIN:VEVENT"), 4 + 3);
}

void TestMoonExport::aFailedWriteLeavesNothingBehind() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("moon.ics"));
    QString error;
    QVERIFY(WriteFileAtomically(path, "first", &error));
    QVERIFY(WriteFileAtomically(path, "second", &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("second"));

    // Places no write can reach, even as root: below a file, in a folder that does not exist,
    // over a folder.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ics")));
    for (const QString& bad : {dir.filePath(QStringLiteral("moon.ics/inside.ics")),
                               dir.filePath(QStringLiteral("missing/moon.ics")),
                               dir.filePath(QStringLiteral("folder.ics"))}) {
        error.clear();
        QVERIFY2(!WriteFileAtomically(bad, "third", &error), qPrintable(bad));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(bad)),
                 qPrintable(error));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({QStringLiteral("folder.ics"), QStringLiteral("moon.ics")}));
    QVERIFY(QDir(dir.filePath(QStringLiteral("folder.ics"))).isEmpty());
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), QByteArray("second"));
}

void TestMoonExport::exportAsksWhatAndWhereThenWrites() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const MoonCalendarRequest march{
        2025,        3,
        "March",     Observer(51.4772, 0.0014, 0),
        "Greenwich", QDateTime(QDate(2025, 5, 13), QTime(8, 0), QTimeZone::utc())};

    struct Row {
        std::optional<ExportChoice> Choice; // nothing: the question cancelled
        QString File;                       // the dialog's answer; empty: cancelled
        QString Offered;                    // the name the dialog offers; empty: not asked
        bool Written;
        int FullMoons; // 2025 has 12, March 2025 one (the 14th)
        bool Rises;
    };
    const Row rows[] = {
        {std::nullopt, "never.ics", "", false, 0, false},
        {ExportChoice{true, false}, "", "Selvane Moon 2025.ics", false, 0, false},
        {ExportChoice{true, false}, "year.ics", "Selvane Moon 2025.ics", true, 12, false},
        {ExportChoice{false, true}, "march.ics", "Selvane Moon March 2025.ics", true, 1, true},
        {ExportChoice{false, false}, "missing/march.ics", "Selvane Moon March 2025.ics", false, 0,
         false},
    };
    for (const Row& row : rows) {
        QString asked, offered;
        QStringList errors;
        const QString path = row.File.isEmpty() ? QString() : dir.filePath(row.File);
        const ExportPrompts prompts{[&](QWidget*, const QString& monthAndYear, int year) {
                                        asked =
                                            QStringLiteral("%1 / %2").arg(monthAndYear).arg(year);
                                        return row.Choice;
                                    },
                                    [&](QWidget*, const QString& suggested) {
                                        offered = suggested;
                                        return path;
                                    },
                                    [&](QWidget*, const QString& message) {
                                        errors << message;
                                    }};
        QCOMPARE(ExportMoonCalendar(nullptr, march, prompts), row.Written);
        QCOMPARE(asked, QStringLiteral("March 2025 / 2025"));
        QCOMPARE(offered, row.Offered.isEmpty() ? QString() : documents.filePath(row.Offered));
        // A failed write says so, naming the file; a cancel says nothing.
        const bool failed = !row.Written && !path.isEmpty() && row.Choice;
        QCOMPARE(errors.size(), failed ? 1 : 0);
        if (failed)
            QVERIFY2(errors[0].contains(path), qPrintable(errors[0]));
        if (!row.Written)
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ics = file.readAll();
        QCOMPARE(ics.count("\r\nSUMMARY:Full Moon\r\n"), row.FullMoons);
        QCOMPARE(ics.contains("\r\nSUMMARY:Moonrise\r\n"), row.Rises);
        QCOMPARE(ics.contains("\r\nLOCATION:Greenwich\r\n"), row.Rises);
    }
    // The two files written and nothing else: no temporary file, no folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"march.ics", "year.ics"}));
}

QTEST_MAIN(TestMoonExport)
#include "tst_moonexport.moc"
