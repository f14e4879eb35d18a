// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The month calendar in the lower right of the main window: a heading with the month and
// year, seven weekday titles and 6 x 7 day cells, one of them marked as selected.

#include "core/greateventtexts.h"
#include "widgets/hotspotlabel.h"

#include <QLabel>
#include <QList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace selvane {

struct LocaleTexts;

// A weekday title.
class TDayLabel : public QLabel {
    Q_OBJECT
public:
    explicit TDayLabel(QWidget* parent);
};

// A day cell; its caption is the day number or " " when blank.
class TDateLabel : public HotSpotLabel {
    Q_OBJECT
public:
    explicit TDateLabel(QWidget* parent);
    // The day number, or 0 for a blank cell.
    int day() const;
};

// Over the day cells, above the selection mark, transparent to the mouse: a small symbol under
// the number of each day that has a great event (an eclipse, a supermoon, a blue moon). Without
// any it paints nothing.
class TEventMarks : public QWidget {
    Q_OBJECT
public:
    TEventMarks(QWidget* window, const QList<TDateLabel*>& cells);

    // The symbol under each cell, by cell index; nothing for a day without events.
    using Marks = std::array<std::optional<EventSymbol>, 42>;
    void setMarks(const Marks& marks);
    const Marks& marks() const { return m_marks; }
    // Where a cell's symbol stands, in window pixels: centred under its number.
    QRect markRect(int cell) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QList<TDateLabel*>& m_cells;
    Marks m_marks;
};

class CalendarGrid {
public:
    // Creates the heading labels, the selection mark, the titles and the cells on `window`,
    // in that order so the cells lie above the mark.
    CalendarGrid(QWidget* window, const LocaleTexts& texts);

    // Titles the columns starting with weekday `dayOrder` (0 = Sunday).
    void SetDayTitles(int dayOrder);

    // Fills the grid and heading for a month and returns the cell of `day`.
    TDateLabel* ShowMonth(int year, int month, int day, int dayOrder);

    // Moves the selection mark behind the cell.
    void MarkCell(const TDateLabel* cell);

    // Marks the days of the shown month that have great events and gives their cells the
    // events as their hint; the other cells lose theirs. `events` are those of the month
    // ShowMonth showed last, as MoonGreatEvents gives them.
    void ShowEvents(const std::vector<GreatEvent>& events);

    int FirstColumn = 0; // column of day 1 of the shown month
    // The month shown, the weekday of its first column (0 = Sunday) and the cell marked as
    // selected (null before the first mark).
    int ShownYear = 0;
    int ShownMonth = 0;
    int ShownDayOrder = 0;
    const TDateLabel* Marked = nullptr;
    QList<TDayLabel*> DayTitles;
    QList<TDateLabel*> DateCells;

    HotSpotLabel* lblSelectedMonth = nullptr;
    HotSpotLabel* lblSelectedYear = nullptr;
    HotSpotLabel* lblShadowMonth = nullptr;
    QLabel* lblshadowYear = nullptr;
    QLabel* Image5 = nullptr; // the selection mark
    TEventMarks* EventMarks = nullptr;

private:
    const LocaleTexts& m_texts;
    int m_year = 0; // the month ShowMonth showed last
    int m_month = 0;
    std::array<QString, 7> m_dayNames; // the column titles' names, 0 = Sunday
};

} // namespace selvane
