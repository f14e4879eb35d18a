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

QTEST_MAIN(TestPageBuilder)
#include "tst_pagebuilder.moc"
