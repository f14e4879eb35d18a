// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/appicon.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace selvane;

class TestAppIcon : public QObject {
    Q_OBJECT

private slots:
    void missingOrUnreadableIconFallsBackToTheBuiltInOne();
    void iconBesideTheProgramIsFound();
};

void TestAppIcon::missingOrUnreadableIconFallsBackToTheBuiltInOne() {
    QTemporaryDir work, program;
    QIcon icon = ApplicationIcon(work.path(), program.path());
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(64, 64).size(), QSize(64, 64));

    QFile junk(work.filePath("Selvane.ico"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not an icon");
    junk.close();
    icon = ApplicationIcon(work.path(), program.path());
    QCOMPARE(icon.pixmap(64, 64).size(), QSize(64, 64));
}

void TestAppIcon::iconBesideTheProgramIsFound() {
    QTemporaryDir work, program;
    QVERIFY(QFile::copy(QStringLiteral(SELVANE_SOURCE_DIR "/resources/Selvane.ico"),
                        program.filePath("Selvane.ico")));
    const QIcon icon = ApplicationIcon(work.path(), program.path());
    // The .ico file carries several sizes; the built-in picture only one.
    QVERIFY2(icon.availableSizes().size() > 1,
             qPrintable(QString::number(icon.availableSizes().size())));
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
