// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calendar file as the program writes it: its name, its header and time stamp, and a write
// that either completes or leaves the place as it was.

#include "core/atomicfile.h"
#include "core/mooncalendar.h"
#include "engine/moonevents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace selvane;

class TestMoonCalendar : public QObject {
    Q_OBJECT

private slots:
    void fileNamesAndHeader();
    void aFailedWriteLeavesNothingBehind();
};

void TestMoonCalendar::fileNamesAndHeader() {
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
    // March 2025: four phases, perigees on the 1st and 30th, an apogee on the 17th; the total
    // lunar eclipse of the 14th and the partial solar eclipse of the 29th.
    QCOMPARE(march.count("BEGIN:VEVENT"), 4 + 3 + 2);
}

void TestMoonCalendar::aFailedWriteLeavesNothingBehind() {
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

QTEST_MAIN(TestMoonCalendar)
#include "tst_mooncalendar.moc"
