// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The great events as people read them: the symbol, the hint of a day and the printed line,
// from events whose numbers are set by hand.

#include "core/greateventtexts.h"

#include <QTest>

using namespace selvane;

class TestGreatEventTexts : public QObject {
    Q_OBJECT

private slots:
    void hintsPutTheNumbersIntoWords();
    void aDayListsItsEventsAndMarksTheGreatest();
};

namespace {

GreatEvent At(GreatEventKind kind, int day, int hour, int minute) {
    GreatEvent e;
    e.Kind = kind;
    e.Local = {2025, 3, day, hour, minute};
    return e;
}

GreatEvent Lunar(LunarEclipseKind kind, double penumbral, double umbral, bool visible) {
    GreatEvent e = At(GreatEventKind::LunarEclipse, 14, 7, 58);
    e.Lunar = LunarEclipse{};
    e.Lunar->Kind = kind;
    e.Lunar->PenumbralMagnitude = penumbral;
    e.Lunar->UmbralMagnitude = umbral;
    e.Visible = visible;
    return e;
}

GreatEvent Solar(SolarEclipseKind kind, bool eclipsed, bool seen, SolarEclipseKind here,
                 double magnitude, double obscuration) {
    GreatEvent e = At(GreatEventKind::SolarEclipse, 29, 20, 32);
    e.Solar = SolarEclipse{};
    e.Solar->Kind = kind;
    e.Solar->Local = {eclipsed, seen, here, magnitude, obscuration, {}};
    e.Visible = seen;
    return e;
}

GreatEvent FullMoon(GreatEventKind kind, int day, std::int32_t distance) {
    GreatEvent e = At(kind, day, 0, 5);
    e.Distance = distance;
    return e;
}

} // namespace

void TestGreatEventTexts::hintsPutTheNumbersIntoWords() {
    using L = LunarEclipseKind;
    using S = SolarEclipseKind;
    const struct {
        GreatEvent Event;
        EventSymbol Symbol;
        const char* Hint;
    } cases[] = {
        {Lunar(L::Total, 2.2595, 1.1784, true), EventSymbol::TotalLunar,
         "Total lunar eclipse, greatest at 07:58\nUmbral magnitude 1.178, visible here"},
        {Lunar(L::Partial, 1.9645, 0.9299, false), EventSymbol::PartialLunar,
         "Partial lunar eclipse, greatest at 07:58\nUmbral magnitude 0.930, not visible here"},
        {Lunar(L::Penumbral, 0.9525, -0.0031, true), EventSymbol::PenumbralLunar,
         "Penumbral lunar eclipse, greatest at 07:58\nPenumbral magnitude 0.952, visible here"},
        // Madrid at the edge of the 2026 totality: partial there, and never 100 %.
        {Solar(S::Total, true, true, S::Partial, 0.9990, 0.99974), EventSymbol::TotalSolar,
         "Total solar eclipse, greatest here at 20:32\n"
         "Partial here, magnitude 0.999, 99.9 % of the Sun covered"},
        {Solar(S::Annular, true, true, S::Annular, 0.9472, 0.8972), EventSymbol::AnnularSolar,
         "Annular solar eclipse, greatest here at 20:32\n"
         "Annular here, magnitude 0.947, 89.7 % of the Sun covered"},
        {Solar(S::Hybrid, true, true, S::Total, 1.0566, 1.0), EventSymbol::HybridSolar,
         "Hybrid solar eclipse, greatest here at 20:32\n"
         "Total here, magnitude 1.057, 100.0 % of the Sun covered"},
        // The Moon covers part of the Sun there, but below the horizon; or misses it there.
        {Solar(S::Partial, true, false, S::Partial, 0.3, 0.2), EventSymbol::PartialSolar,
         "Partial solar eclipse, greatest here at 20:32\nNot visible here"},
        {Solar(S::Total, false, false, S::Partial, 0.0, 0.0), EventSymbol::TotalSolar,
         "Total solar eclipse, greatest at 20:32\nNot visible here"},
        {FullMoon(GreatEventKind::Supermoon, 5, 356978), EventSymbol::Supermoon,
         "Supermoon, Full Moon at 00:05\nDistance 356 978 km"},
        {FullMoon(GreatEventKind::BlueMoon, 31, 406167), EventSymbol::BlueMoon,
         "Blue moon, Full Moon at 00:05\nThe second Full Moon of the month"},
    };
    for (const auto& c : cases) {
        QCOMPARE(GreatEventTexts::Hint(c.Event), QString::fromUtf8(c.Hint));
        QCOMPARE(SymbolOf(c.Event), c.Symbol);
    }
    // The time table's line: the date, the time, the title and the second line of the hint.
    QCOMPARE(GreatEventTexts::Line(cases[0].Event, QStringLiteral("March")),
             QStringLiteral(
                 "14 March, 07:58: Total lunar eclipse. Umbral magnitude 1.178, visible here"));
}

void TestGreatEventTexts::aDayListsItsEventsAndMarksTheGreatest() {
    // 2018 January 31 held a supermoon, a blue moon and a total lunar eclipse at once; the
    // events at the day's first and last minutes belong to it, those beside them do not.
    std::vector<GreatEvent> month = {
        FullMoon(GreatEventKind::Supermoon, 1, 356565),
        FullMoon(GreatEventKind::Supermoon, 31, 358994),
        FullMoon(GreatEventKind::BlueMoon, 31, 358994),
        Lunar(LunarEclipseKind::Total, 2.2941, 1.3155, true),
    };
    month[0].Local = {2018, 1, 30, 23, 59};
    for (GreatEvent* e : {&month[1], &month[2], &month[3]})
        e->Local = {2018, 1, 31, 0, 0};
    month[3].Local = {2018, 1, 31, 23, 59};
    month.push_back(month[1]);
    month.back().Local = {2018, 2, 1, 0, 0};

    const std::vector<GreatEvent> day = EventsOnDay(month, 2018, 1, 31);
    QCOMPARE(day.size(), std::size_t(3));
    QCOMPARE(MarkedEvent(day).Kind, GreatEventKind::LunarEclipse);
    QCOMPARE(MarkedEvent({day[1], day[0]}).Kind, GreatEventKind::Supermoon);
    QCOMPARE(GreatEventTexts::DayHint(day),
             QStringLiteral("Supermoon, Full Moon at 00:00\nDistance 358 994 km\n"
                            "Blue moon, Full Moon at 00:00\nThe second Full Moon of the month\n"
                            "Total lunar eclipse, greatest at 23:59\n"
                            "Umbral magnitude 1.316, visible here"));
    QVERIFY(EventsOnDay(month, 2018, 2, 2).empty());
    QCOMPARE(GreatEventTexts::DayHint({}), QString());
}

QTEST_GUILESS_MAIN(TestGreatEventTexts)
#include "tst_greateventtexts.moc"
