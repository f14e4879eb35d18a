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
};

namespace {

GreatEvent Event(GreatEventKind kind, bool visible, int day, int hour, int minute) {
    GreatEvent e;
    e.Kind = kind;
    e.Visible = visible;
    e.Local = {2018, 1, day, hour, minute};
    e.Distance = 358994;
    return e;
}

GreatEvent Lunar(LunarEclipseKind kind, double penumbral, double umbral, bool visible) {
    GreatEvent e = Event(GreatEventKind::LunarEclipse, visible, 31, 23, 59);
    e.Lunar = LunarEclipse{};
    e.Lunar->Kind = kind;
    e.Lunar->PenumbralMagnitude = penumbral;
    e.Lunar->UmbralMagnitude = umbral;
    return e;
}

GreatEvent Solar(SolarEclipseKind kind, bool eclipsed, bool seen, double magnitude,
                 double obscuration) {
    GreatEvent e = Event(GreatEventKind::SolarEclipse, seen, 12, 20, 32);
    e.Solar = SolarEclipse{};
    e.Solar->Kind = kind;
    e.Solar->Local = {eclipsed, seen, SolarEclipseKind::Partial, magnitude, obscuration, {}};
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
        {Lunar(L::Total, 2.2941, 1.3155, true), EventSymbol::TotalLunar,
         "Total lunar eclipse, greatest at 23:59\nUmbral magnitude 1.316, visible here"},
        {Lunar(L::Penumbral, 0.9525, -0.0031, false), EventSymbol::PenumbralLunar,
         "Penumbral lunar eclipse, greatest at 23:59\nPenumbral magnitude 0.952, not visible here"},
        // Madrid at the edge of the 2026 totality: partial there, and never 100 %.
        {Solar(S::Total, true, true, 0.9990, 0.99974), EventSymbol::TotalSolar,
         "Total solar eclipse, greatest here at 20:32\n"
         "Partial here, magnitude 0.999, 99.9 % of the Sun covered"},
        // The Moon covers part of the Sun there, but below the horizon; or misses it there.
        {Solar(S::Annular, true, false, 0.3, 0.2), EventSymbol::AnnularSolar,
         "Annular solar eclipse, greatest here at 20:32\nNot visible here"},
        {Solar(S::Hybrid, false, false, 0.0, 0.0), EventSymbol::HybridSolar,
         "Hybrid solar eclipse, greatest at 20:32\nNot visible here"},
        {Event(GreatEventKind::Supermoon, true, 31, 0, 0), EventSymbol::Supermoon,
         "Supermoon, Full Moon at 00:00\nDistance 358 994 km"},
        {Event(GreatEventKind::BlueMoon, true, 31, 0, 0), EventSymbol::BlueMoon,
         "Blue moon, Full Moon at 00:00\nThe second Full Moon of the month"},
    };
    for (const auto& c : cases) {
        QCOMPARE(GreatEventTexts::Hint(c.Event), QString::fromUtf8(c.Hint));
        QCOMPARE(SymbolOf(c.Event), c.Symbol);
    }
    QCOMPARE(GreatEventTexts::Line(cases[0].Event, QStringLiteral("January")),
             QStringLiteral("31 January, 23:59: Total lunar eclipse. Umbral magnitude 1.316, "
                            "visible here"));

    // 2018 January 31: a supermoon, a blue moon and a total lunar eclipse on one day, marked
    // by the eclipse and all in its hint; the events of the 30th and of February 1 not.
    std::vector<GreatEvent> month = {cases[5].Event, cases[5].Event, cases[6].Event, cases[0].Event,
                                     cases[6].Event};
    month[0].Local.Day = 30;
    month[4].Local = {2018, 2, 1, 0, 0};
    const std::vector<GreatEvent> day = EventsOnDay(month, 2018, 1, 31);
    QCOMPARE(day.size(), std::size_t(3));
    QCOMPARE(MarkedEvent(day).Kind, GreatEventKind::LunarEclipse);
    QCOMPARE(MarkedEvent({day[1], day[0]}).Kind, GreatEventKind::Supermoon);
    QCOMPARE(GreatEventTexts::DayHint(day), QString::fromUtf8(cases[5].Hint) + u'\n' +
                                                QString::fromUtf8(cases[6].Hint) + u'\n' +
                                                QString::fromUtf8(cases[0].Hint));
    QCOMPARE(GreatEventTexts::DayHint({}), QString());
}

QTEST_GUILESS_MAIN(TestGreatEventTexts)
#include "tst_greateventtexts.moc"
