// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pagebuilder.h"

#include <QTest>

using namespace selvane;

class TestPageBuilder : public QObject {
    Q_OBJECT

private slots:
    void calendarListsThePhasesOnTheMonthsLocalDays();
    void headerNamesTheClockOfTheTimes();
    void pagesListTheMonthsGreatEvents();
};

namespace {

// Denver on a fixed clock seven hours behind Greenwich, December 2024.
PageRequest Denver(bool namedZone, bool daylightSavings) {
    Settings record;
    record.Lat = {"39", "44", "21", "North"};
    record.Long = {"104", "59", "05", "West"};
    record.TimeZone = 5;
    record.DaylightSavings = daylightSavings;
    record.ZoneName = namedZone ? "America/Denver" : "";
    const Observer place(DmsToDegrees(record.Lat), DmsToDegrees(record.Long),
                         UTOffsetFromSettings(record.TimeZone, false));
    return {record, place, LocaleTexts::from(QLocale(QLocale::English)), 2024, 12, true, namedZone};
}

} // namespace

void TestPageBuilder::calendarListsThePhasesOnTheMonthsLocalDays() {
    // Published phases of December 2024 (UT): New Moon 1st 06:21, First Quarter 8th 15:26,
    // Full Moon 15th 09:02, Last Quarter 22nd 22:18, New Moon 30th 22:27. Seven hours behind,
    // the first New Moon falls on 30 November and gets no cell; the times are local.
    const std::tuple<int, const char*, int> want[] = {// day, code, local minutes after 0h
                                                      {8, "FQ", 8 * 60 + 26},
                                                      {15, "FM", 2 * 60 + 2},
                                                      {22, "LQ", 15 * 60 + 18},
                                                      {30, "NM", 15 * 60 + 27}};
    const CalendarPageData page = CalendarPage(Denver(false, false));
    QCOMPARE(page.MajorPhases.size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i) {
        const auto& [day, code, minutes] = want[i];
        const ListedPhase& got = page.MajorPhases[i];
        QCOMPARE(got.Day, day);
        QCOMPARE(got.Code, QString::fromLatin1(code));
        const int gotMinutes = got.Time.left(2).toInt() * 60 + got.Time.mid(3, 2).toInt();
        QVERIFY2(qAbs(gotMinutes - minutes) <= 2, qPrintable(got.Time));
    }
    // A picture for each of the 31 days: at 0h of the 30th the Moon wanes, at 0h of the 31st
    // the New Moon is 1.5 hours old.
    QCOMPARE(page.DailyPhases[29].State, PhaseState::WaningCrescent);
    QCOMPARE(page.DailyPhases[30].State, PhaseState::NewMoon);
    QCOMPARE(TableText(page.Table.Days[30].SunTimes.Rise).size(), std::size_t(5));
}

void TestPageBuilder::headerNamesTheClockOfTheTimes() {
    struct Row {
        bool NamedZone, DaylightSavings;
        const char* Ending;
    };
    for (const Row& r : {Row{true, true, ", America/Denver"},
                         {false, true, ", Daylight Savings Time"},
                         {false, false, ""}}) {
        const PageHeaderData header = PageHeader(Denver(r.NamedZone, r.DaylightSavings));
        QCOMPARE(header.LocationEnding, QString::fromLatin1(r.Ending));
        QCOMPARE(header.MonthName, QString("December"));
        QCOMPARE(header.Long.Degrees, std::string("104"));
    }
}

void TestPageBuilder::pagesListTheMonthsGreatEvents() {
    // Madrid (40 25 00 N, 3 42 14 W, Europe/Madrid). March 2025: the total lunar eclipse of the
    // 14th, greatest at 06:59:56 TD, Delta-T 75 s (the canon): 07:58 on the winter clock,
    // umbral magnitude 1.1784, the Moon setting in totality; the partial solar eclipse of the
    // 29th, seen in the morning. August 2026: the total solar eclipse of the 12th, partial in
    // Madrid, greatest there at 18:32:17 UT, magnitude 0.9990 (PyEphem, test_eclipses.cpp);
    // the partial lunar eclipse of the 28th, greatest at 04:14:04 TD (06:12 on the summer
    // clock). April 2026 has none.
    Settings record;
    record.Lat = {"40", "25", "00", "North"};
    record.Long = {"03", "42", "14", "West"};
    record.ZoneName = "Europe/Madrid";
    struct Row {
        int Day;
        const char* Time; // empty: not checked
        EventSymbol Symbol;
        const char* Title;
        const char* Line; // its beginning
    };
    const std::pair<int, std::vector<Row>> months[] = {
        {2025 * 12 + 3,
         {{14, "07:58", EventSymbol::TotalLunar, "Total lunar eclipse",
           "14 March, 07:58: Total lunar eclipse. Umbral magnitude 1.178, visible here"},
          {29, "", EventSymbol::PartialSolar, "Partial solar eclipse", "29 March, "}}},
        {2026 * 12 + 8,
         {{12, "20:32", EventSymbol::TotalSolar, "Total solar eclipse",
           "12 August, 20:32: Total solar eclipse. Partial here, magnitude 0.99"},
          {28, "06:12", EventSymbol::PartialLunar, "Partial lunar eclipse",
           "28 August, 06:12: Partial lunar eclipse. Umbral magnitude 0.9"}}},
        {2026 * 12 + 4, {}},
    };
    for (const auto& [when, rows] : months) {
        const int year = (when - 1) / 12, month = (when - 1) % 12 + 1;
        const PageRequest request{
            record,
            ObserverFromSettings(record, DateTimeToJD(year, month, 1, 0, 0, 0)),
            LocaleTexts::from(QLocale(QLocale::English)),
            year,
            month,
            true,
            true};
        const CalendarPageData calendar = CalendarPage(request);
        const TimeTablePageData table = TimeTablePage(request, calendar.Table);
        QCOMPARE(calendar.GreatEvents.size(), rows.size());
        QCOMPARE(table.GreatEvents.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ListedEvent& e = calendar.GreatEvents[i];
            QCOMPARE(e.Day, rows[i].Day);
            if (*rows[i].Time)
                QCOMPARE(e.Time, QString::fromLatin1(rows[i].Time));
            QCOMPARE(e.Symbol, rows[i].Symbol);
            QCOMPARE(e.Title, QString::fromLatin1(rows[i].Title));
            QVERIFY2(e.Line.startsWith(QString::fromLatin1(rows[i].Line)), qPrintable(e.Line));
            QCOMPARE(table.GreatEvents[i].Line, e.Line);
        }
    }
}

QTEST_MAIN(TestPageBuilder)
#include "tst_pagebuilder.moc"
