// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The month calendar in the lower right of the main window: a heading with the month and
// year, seven weekday titles and 6 x 7 day cells, one of them marked as selected.

#include "widgets/hotspotlabel.h"

#include <QLabel>
#include <QList>

#include <array>
#include <cstdint>

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

private:
    const LocaleTexts& m_texts;
    std::array<QString, 7> m_dayNames; // the column titles' names, 0 = Sunday
};

} // namespace selvane
