// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindowfixture.h"

#include "engine/datemoves.h"

#include "ui/yearentry.h"
#include "windows/tabout.h"
#include "windows/tfconfig.h"
#include "windows/tlunarsites.h"
#include "windows/tmonthselect.h"
#include "windows/trisesettimelist.h"

using namespace selvane;

using Date = CalendarDate;
Q_DECLARE_METATYPE(Date)

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheSelection_data();
    void keysMoveTheSelection();
    void homeReturnsToTodayAndEscapeLeavesTheYear();
    void escapeClosesThePickerTheLinksAndTheAbout();
    void commandKeys();
};

// Each key's move; the moves themselves, to the calendar's ends, are the engine's to test.
void TestKeyboard::keysMoveTheSelection_data() {
    QTest::addColumn<Date>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<Date>("to");
    const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down;
    const int pgUp = Qt::Key_PageUp, pgDown = Qt::Key_PageDown;
    QTest::newRow("next day") << Date{2024, 3, 15} << right << false << Date{2024, 3, 16};
    QTest::newRow("previous day") << Date{2024, 3, 15} << left << false << Date{2024, 3, 14};
    QTest::newRow("a week earlier") << Date{2024, 3, 15} << up << false << Date{2024, 3, 8};
    QTest::newRow("a week later") << Date{2024, 3, 28} << down << false << Date{2024, 4, 4};
    QTest::newRow("next month, its last day")
        << Date{2024, 1, 31} << pgDown << false << Date{2024, 2, 29};
    QTest::newRow("previous month, common year")
        << Date{2023, 3, 31} << pgUp << false << Date{2023, 2, 28};
    QTest::newRow("a year from 29 February")
        << Date{2024, 2, 29} << pgDown << true << Date{2025, 2, 28};
    QTest::newRow("a year back") << Date{2024, 2, 29} << pgUp << true << Date{2023, 2, 28};
}

void TestKeyboard::keysMoveTheSelection() {
    QFETCH(Date, from);
    QFETCH(int, key);
    QFETCH(bool, ctrl);
    QFETCH(Date, to);
    Fixture f(kNoon15March);
    f.window->SelectDate(from.Year, from.Month, from.Day);
    QTest::keyClick(f.window.get(), static_cast<Qt::Key>(key),
                    ctrl ? Qt::ControlModifier : Qt::NoModifier);
    // Shown at once, and kept across the next tick as a clicked day is.
    for (int tick = 0; tick < 2; ++tick) {
        QCOMPARE(int(f.window->state().DisplayTime.Year), to.Year);
        QCOMPARE(int(f.window->state().DisplayTime.Month), to.Month);
        QCOMPARE(int(f.window->state().DisplayTime.Day), to.Day);
        f.window->Timer1Timer();
    }
    QCOMPARE(f.window->calendar().Image5->pos(), f.cellOfDay(to.Day)->pos() + QPoint(-1, -3));
}

void TestKeyboard::homeReturnsToTodayAndEscapeLeavesTheYear() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->SelectDate(1999, 7, 4);
    QVERIFY(f.window->state().DayOffset < -9000);
    QTest::keyClick(f.window.get(), Qt::Key_Home);
    QCOMPARE(f.window->state().DayOffset, 0.0);
    QCOMPARE(int(f.window->state().DisplayTime.Year), 2024);
    QCOMPARE(int(f.window->state().DisplayTime.Day), 15);

    // Esc closes the year entry without taking the typed year; the digits still type.
    f.window->lblSelectedYearClick();
    QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    f.type("3");
    QCOMPARE(f.window->yearEntry().text(), QString("2023"));
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QVERIFY(!f.window->yearEntry().isOpen());
    QVERIFY(f.window->calendar().lblSelectedYear->isVisible());
    QCOMPARE(f.window->calendar().lblSelectedYear->text(), QString("2024"));
    QCOMPARE(int(f.window->state().SelectedYear), 2024);

    // With the entry open, a move takes over the typed year first.
    f.window->lblSelectedYearClick();
    QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    f.type("0");
    QTest::keyClick(f.window.get(), Qt::Key_Right);
    QCOMPARE(int(f.window->state().DisplayTime.Year), 2020);
    QCOMPARE(int(f.window->state().DisplayTime.Day), 16);
    QVERIFY(f.messages.isEmpty());
}

void TestKeyboard::escapeClosesThePickerTheLinksAndTheAbout() {
    Fixture f(kNoon15March);
    f.window->show();
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&f.window->monthSelect(), &f.window->about()}) {
        QTimer::singleShot(0, dialog, [dialog] {
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        dialog->exec();
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(int(f.window->state().SelectedMonth), 3); // the picker closed without a pick
    f.window->lblLinksClick();
    QVERIFY(f.window->lunarSites().isVisible());
    QTest::keyClick(&f.window->lunarSites(), Qt::Key_Escape);
    QVERIFY(!f.window->lunarSites().isVisible());
}

void TestKeyboard::commandKeys() {
    Fixture f(kNoon15March);
    f.window->show();
    QTest::keyClick(f.window.get(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(f.window->timeList().isVisible());
    f.window->services.findDataFile = [](const QString&) {
        return QString();
    };
    QTest::keyClick(f.window.get(), Qt::Key_F1);
    QCOMPARE(f.messages, QStringList{"Cannot find Help File"});
    QTimer::singleShot(0, &f.window->config(), [&] {
        QVERIFY(f.window->config().isVisible());
        f.window->config().lblExitClick();
    });
    QTest::keyClick(f.window.get(), Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(!f.window->config().isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
