// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving the main window's selected date without a window: the keys' moves and the typed
// year's reading, both ends of the year range and a step outside each.

#include "ui/datenavigation.h"

#include <QTest>

using namespace selvane;

namespace selvane {

// A date as QCOMPARE prints it.
char* toString(const CalendarDate& date) {
    return QTest::toString(QStringLiteral("%1-%2-%3").arg(date.Year).arg(date.Month).arg(date.Day));
}

} // namespace selvane

class TestDateNavigation : public QObject {
    Q_OBJECT

private slots:
    // From Wednesday 31 January 2024 (a leap year): Ctrl changes only the page keys' moves.
    void eachKeysMove() {
        const CalendarDate from{2024, 1, 31};
        const struct {
            int Key;
            bool Ctrl;
            CalendarDate To;
        } rows[] = {
            {Qt::Key_Left, false, {2024, 1, 30}},    {Qt::Key_Right, true, {2024, 2, 1}},
            {Qt::Key_Up, false, {2024, 1, 24}},      {Qt::Key_Down, true, {2024, 2, 7}},
            {Qt::Key_PageUp, false, {2023, 12, 31}}, {Qt::Key_PageDown, false, {2024, 2, 29}},
            {Qt::Key_PageUp, true, {2023, 1, 31}},   {Qt::Key_PageDown, true, {2025, 1, 31}},
        };
        for (const auto& row : rows) {
            const auto step =
                DateStepOfKey(row.Key, row.Ctrl ? Qt::ControlModifier : Qt::NoModifier);
            QVERIFY(step);
            QCOMPARE(step->Move(from, step->Steps), row.To);
        }
        for (int other : {int(Qt::Key_Home), int(Qt::Key_End), int(Qt::Key_L), int(Qt::Key_0)})
            QVERIFY(!DateStepOfKey(other, Qt::NoModifier));
    }

    void aTypedYearIsReadOrRefused() {
        const QString notANumber = "'%1' is not a valid integer value";
        const QString outside = "Years 1 to 9999";
        const struct {
            const char* Typed;
            int Year;
            QString Refusal;
        } rows[] = {
            {"1", 1, {}},
            {"0001", 1, {}},
            {"9999", 9999, {}},
            {"0", 0, outside},
            {"10000", 0, outside},
            {"-1", 0, outside},
            {"", 0, notANumber.arg("")},
            {"20a4", 0, notANumber.arg("20a4")},
            {" 2024", 0, notANumber.arg(" 2024")},
        };
        for (const auto& row : rows) {
            const TypedYear year = ReadTypedYear(row.Typed);
            QCOMPARE(year.Refusal, row.Refusal);
            QCOMPARE(year.Year, row.Year);
        }
    }
};

QTEST_APPLESS_MAIN(TestDateNavigation)
#include "tst_datenavigation.moc"
