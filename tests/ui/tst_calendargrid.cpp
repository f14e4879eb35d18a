// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/localetexts.h"
#include "ui/calendargrid.h"

#include <QFontMetrics>
#include <QTest>
#include <QWidget>

using namespace selvane;

class TestCalendarGrid : public QObject {
    Q_OBJECT

private slots:
    void rowsUsedByTheMonth();
    void mondayFirstPutsASundayInTheLastColumn();
    void namesAndPlacesOfTheCells();
    void headingIsCentredWithItsShadow();
    void weekdayTitlesFitAndDatesKeepAVisibleSeparator();

private:
    LocaleTexts m_texts = LocaleTexts::from(QLocale(QLocale::English, QLocale::UnitedKingdom));
};

namespace {

// The last row holding a day number.
int LastRowUsed(const CalendarGrid& grid) {
    int last = -1;
    for (int i = 0; i < grid.DateCells.size(); ++i)
        if (grid.DateCells[i]->day() != 0)
            last = i / 7;
    return last;
}

} // namespace

void TestCalendarGrid::rowsUsedByTheMonth() {
    QWidget window;
    CalendarGrid grid(&window, m_texts);
    // February 2015 starts on a Sunday and has 28 days: exactly four rows.
    grid.ShowMonth(2015, 2, 1, 0);
    QCOMPARE(grid.FirstColumn, 0);
    QCOMPARE(LastRowUsed(grid), 3);
    // March 2024 starts on a Friday (column 5) with 31 days: six rows.
    grid.ShowMonth(2024, 3, 1, 0);
    QCOMPARE(grid.FirstColumn, 5);
    QCOMPARE(LastRowUsed(grid), 5);
    // September 2018 starts on a Saturday (column 6) with 30 days: six rows.
    grid.ShowMonth(2018, 9, 1, 0);
    QCOMPARE(grid.FirstColumn, 6);
    QCOMPARE(LastRowUsed(grid), 5);
    QCOMPARE(grid.DateCells[6]->text(), QString("1"));
    QCOMPARE(grid.DateCells[35]->text(), QString("30"));
    QCOMPARE(grid.DateCells[36]->text(), QString(" "));
}

void TestCalendarGrid::mondayFirstPutsASundayInTheLastColumn() {
    QWidget window;
    CalendarGrid grid(&window, m_texts);
    TDateLabel* cell = grid.ShowMonth(2024, 9, 10, 1); // 1 September 2024 is a Sunday
    QCOMPARE(grid.FirstColumn, 6);
    QCOMPARE(grid.DayTitles[0]->text(), QString("Mon"));
    QCOMPARE(grid.DayTitles[6]->text(), QString("Sun"));
    QCOMPARE(cell->day(), 10);
    grid.ShowMonth(2024, 9, 10, 0); // the order changes on the next refill
    QCOMPARE(grid.FirstColumn, 0);
    QCOMPARE(grid.DayTitles[0]->text(), QString("Sun"));
}

void TestCalendarGrid::namesAndPlacesOfTheCells() {
    QWidget window;
    CalendarGrid grid(&window, m_texts);
    QCOMPARE(grid.DateCells.size(), 42);
    QCOMPARE(grid.DayTitles.size(), 7);
    QCOMPARE(grid.DateCells[0]->objectName(), QString("lblDateAA"));
    QCOMPARE(grid.DateCells[41]->objectName(), QString("lblDateFG"));
    QCOMPARE(grid.DateCells[41]->geometry(), QRect(425 + 28 * 6, 315 + 25 * 5, 20, 16));
    QCOMPARE(grid.DayTitles[3]->objectName(), QString("lblDay3"));
    QCOMPARE(grid.DayTitles[3]->geometry(), QRect(425 + 28 * 3, 290, 29, 16));
}

void TestCalendarGrid::headingIsCentredWithItsShadow() {
    QWidget window;
    CalendarGrid grid(&window, m_texts);
    grid.ShowMonth(2024, 11, 5, 0);
    QCOMPARE(grid.lblSelectedMonth->text(), QString("November"));
    QCOMPARE(grid.lblSelectedYear->text(), QString("2024"));
    const int wM = grid.lblSelectedMonth->width();
    const int wY = grid.lblSelectedYear->width();
    QCOMPARE(grid.lblSelectedMonth->x(), (240 - (wM + wY + 12)) / 2 + 400);
    QCOMPARE(grid.lblSelectedYear->x(), grid.lblSelectedMonth->x() + wM + 12);
    QCOMPARE(grid.lblShadowMonth->pos(), grid.lblSelectedMonth->pos() + QPoint(1, 1));
    QCOMPARE(grid.lblshadowYear->pos(), grid.lblSelectedYear->pos() + QPoint(1, 1));
    QCOMPARE(grid.lblshadowYear->text(), QString("2024"));
}

void TestCalendarGrid::weekdayTitlesFitAndDatesKeepAVisibleSeparator() {
    // Arabic abbreviates to the full names and puts a right-to-left mark before each "/".
    struct Case {
        const char* locale;
        const char* sunday; // the first column's title
        QChar separator;
    };
    const Case cases[] = {{"en_GB", "Sun", u'/'},
                          {"de_DE", "So.", u'.'},
                          {"ar_EG", "\u062D", u'/'},
                          {"ar_SA", "\u062D", u'/'},
                          {"hu_HU", "V", u'.'}};
    for (const Case& c : cases) {
        const LocaleTexts texts = LocaleTexts::from(QLocale(QString::fromLatin1(c.locale)));
        QCOMPARE(texts.DateSeparator, c.separator);
        QWidget window;
        CalendarGrid grid(&window, texts);
        grid.ShowMonth(2024, 9, 1, 0);
        QCOMPARE(grid.DayTitles[0]->text(), QString::fromUtf8(c.sunday));
        // Narrower than a column: neighbouring titles, centred 28 pixels apart, do not meet.
        for (const TDayLabel* title : grid.DayTitles)
            QVERIFY2(QFontMetrics(title->font()).horizontalAdvance(title->text()) < 28,
                     qPrintable(title->text()));
    }
}

QTEST_MAIN(TestCalendarGrid)
#include "tst_calendargrid.moc"
