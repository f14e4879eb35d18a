// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The great events (eclipses, supermoons, blue moons) as the windows and the printed pages show
// them: the symbol each gets, the events of a day, and their texts for people, through Qt's
// translation. The numbers come from engine/greatevents.h; the exports (the calendar file and
// the CSV) keep the engine's English texts of engine/greateventstext.h.

#include "engine/greatevents.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

namespace selvane {

// What an event's symbol shows: an eclipse's kind (a solar eclipse's kind anywhere on the
// Earth, as its title names it), a supermoon or a blue moon.
enum class EventSymbol : std::uint8_t {
    PenumbralLunar,
    PartialLunar,
    TotalLunar,
    PartialSolar,
    AnnularSolar,
    TotalSolar,
    HybridSolar,
    Supermoon,
    BlueMoon,
};
EventSymbol SymbolOf(const GreatEvent& event);

// The events whose instant falls on a local date, in their order.
std::vector<GreatEvent> EventsOnDay(const std::vector<GreatEvent>& events, int year, int month,
                                    int day);

// The event a day's single mark stands for: a solar eclipse before a lunar one, an eclipse
// before a supermoon, a supermoon before a blue moon; the first of `dayEvents` when two are
// alike. `dayEvents` must not be empty.
const GreatEvent& MarkedEvent(const std::vector<GreatEvent>& dayEvents);

class GreatEventTexts {
    Q_DECLARE_TR_FUNCTIONS(GreatEventTexts)

public:
    // "Total lunar eclipse", "Partial solar eclipse", "Supermoon", "Blue moon".
    static QString Title(const GreatEvent& event);
    // What and how much is seen at the place, as a sentence without its full stop:
    //   "Umbral magnitude 1.178, visible here"
    //   "Partial here, magnitude 0.998, 99.9 % of the Sun covered"
    //   "Not visible here"
    //   "Distance 356 740 km"
    //   "The second Full Moon of the month"
    static QString Details(const GreatEvent& event);
    // The title with the local time, the details on a second line:
    //   "Total lunar eclipse, greatest at 07:58\nUmbral magnitude 1.178, visible here"
    //   "Total solar eclipse, greatest here at 20:32\nPartial here, ..."
    //   "Supermoon, Full Moon at 02:29\nDistance 356 740 km"
    static QString Hint(const GreatEvent& event);
    // The hints of a day's events, one after the other; empty for a day without any.
    static QString DayHint(const std::vector<GreatEvent>& dayEvents);
    // The calendar file's description of an event in the user's language: "Totale
    // Mondfinsternis: Umbrale Größe 1,178, hier sichtbar. Größte Verfinsterung 2025-03-14
    // 06:58:44 UT." In English the file keeps the engine's own description.
    static QString CalendarDescription(const GreatEvent& event);
    // A printed line: "14 March, 07:58: Total lunar eclipse. Umbral magnitude 1.178, visible
    // here", the month's name given.
    static QString Line(const GreatEvent& event, const QString& monthName);
};

} // namespace selvane
