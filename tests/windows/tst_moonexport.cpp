// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The time list's export: what it asks, what it offers and what it writes.

#include "../core/scopedhome.h"
#include "engine/moonevents.h"
#include "windows/moonexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <optional>

using namespace selvane;

class TestMoonExport : public QObject {
    Q_OBJECT

private slots:
    void exportAsksWhatAndWhereThenWrites();
    void offersAFolderThatExistsAndSaysWhereTheFileWent();
};

void TestMoonExport::exportAsksWhatAndWhereThenWrites() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ScopedHome home(true);
    const QDir documents(home.path() + "/Documents");
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
        QStringList errors, saved;
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
                                    [&](QWidget*, const QString& message) { errors << message; },
                                    [&](QWidget*, const QString& written) {
                                        saved << written;
                                    }};
        QCOMPARE(ExportMoonCalendar(nullptr, march, prompts), row.Written);
        QCOMPARE(saved, row.Written ? QStringList{path} : QStringList());
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

void TestMoonExport::offersAFolderThatExistsAndSaysWhereTheFileWent() {
    const MoonCalendarRequest march{
        2025,        3,
        "March",     Observer(51.4772, 0.0014, 0),
        "Greenwich", QDateTime(QDate(2025, 5, 13), QTime(8, 0), QTimeZone::utc())};
    for (const bool withDocuments : {false, true}) {
        const ScopedHome home(withDocuments);
        const QString folder = withDocuments ? home.path() + "/Documents" : home.path();
        QString offered;
        QStringList errors, saved;
        const ExportPrompts prompts{[](QWidget*, const QString&, int) {
                                        return ExportChoice{true, false};
                                    },
                                    [&](QWidget*, const QString& suggested) {
                                        offered = suggested;
                                        return suggested; // the user takes what is offered
                                    },
                                    [&](QWidget*, const QString& message) { errors << message; },
                                    [&](QWidget*, const QString& path) {
                                        saved << path;
                                    }};
        const bool written = ExportMoonCalendar(nullptr, march, prompts);
        QCOMPARE(offered, folder + "/Selvane Moon 2025.ics");
        QCOMPARE(errors, QStringList());
        QVERIFY(written);
        QCOMPARE(saved, QStringList{offered});
        QVERIFY(QFileInfo(offered).isFile());
    }
}

QTEST_MAIN(TestMoonExport)
#include "tst_moonexport.moc"
