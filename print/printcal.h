// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The printed pages: the month's lunar calendar and the month's time table.
//
// Every position and size is in device units of the paint device and is taken as it is; the
// layout is made for a printer at 300 dots per inch. Font sizes are points, so they follow
// the device's resolution. A QImage stands in for the printer when its dots per metre say
// 300 dpi.

#include "core/pagedata.h"

#include <QFont>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;
class QPoint;
class QSize;

namespace selvane {

// The translation context of the pages' texts, and a text of theirs in the user's language.
inline constexpr const char* kPageContext = "selvane::PrintCal";
QString PageText(const char* text);

// The pages' font: "Times New Roman" at a size in points, which follows the device's resolution.
QFont PageFont(int pointSize, bool bold, bool italic = false);

// The time table's columns: the heading (marked for translation), where the heading and the
// values stand (device units right of the page's centre), and the heading's room: the column's
// width less a gap. A translated heading stands centred where its English heading is.
struct TableColumn {
    const char* Heading;
    int HeadingX;
    int ValueX;
    int Room;
};
inline constexpr std::array<TableColumn, 14> kTableColumns = {{
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Date"), -1500, -1500, 190},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Rise"), -1282, -1300, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Transit"), -1170, -1150, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Set"), -975, -1000, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Illum."), -852, -850, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Ast."), -180, -200, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Naut."), -50, -50, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Civil"), 100, 100, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Rise"), 413, 400, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Transit"), 528, 550, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Set"), 722, 700, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Ast."), 1015, 1000, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Naut."), 1130, 1150, 140},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Civil"), 1300, 1300, 140},
}};
// The groups' headings above the columns, centred as the column headings are; their room is
// the width of their columns, less a margin.
struct TableGroup {
    const char* Heading;
    int X;
    int Room;
};
inline constexpr std::array<TableGroup, 4> kTableGroups = {{
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Moon"), -1070, 500},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Twilight Start"), -120, 380},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Sun"), 560, 380},
    {QT_TRANSLATE_NOOP("selvane::PrintCal", "Twilight End"), 1075, 380},
}};

// The labels of a day cell's times, in the order Sun rise, transit, set, Moon rise, transit,
// set; each stands 52 units left of its value. Its room is 54: the colon's side bearing may
// reach into the value's (the English "MR:" takes 53).
inline constexpr std::array<const char*, 6> kCellLabels = {
    QT_TRANSLATE_NOOP("selvane::PrintCal", "SR:"), QT_TRANSLATE_NOOP("selvane::PrintCal", "ST:"),
    QT_TRANSLATE_NOOP("selvane::PrintCal", "SS:"), QT_TRANSLATE_NOOP("selvane::PrintCal", "MR:"),
    QT_TRANSLATE_NOOP("selvane::PrintCal", "MT:"), QT_TRANSLATE_NOOP("selvane::PrintCal", "MS:"),
};
inline constexpr int kCellLabelOffset = 52;
inline constexpr int kCellLabelRoom = 54;
// A time in a day cell stands 80 units left of the cell's right edge and keeps 12 from it.
inline constexpr int kCellValueRoom = 68;
// The phase legend's names, New Moon to Last Quarter, marked for translation apart from the
// phase names elsewhere, so a language can shorten them here; they stand 208 units left of the
// page's right edge and keep 8 from it.
inline constexpr std::array<const char*, 4> kLegendNames = {
    QT_TRANSLATE_NOOP("selvane::PrintCal", "New Moon"),
    QT_TRANSLATE_NOOP("selvane::PrintCal", "First Quarter"),
    QT_TRANSLATE_NOOP("selvane::PrintCal", "Full Moon"),
    QT_TRANSLATE_NOOP("selvane::PrintCal", "Last Quarter"),
};
inline constexpr int kLegendNameOffset = 208;
inline constexpr int kLegendNameRoom = 200;

// The title block's location line: the hemisphere, then the latitude and longitude as stored
// (their directions in the user's language), then `header.LocationEnding`.
QString LocationLine(const PageHeaderData& header);

// What the steps of one page pass on to the steps after them.
struct PageState {
    int W = 0; // the printable page, device units
    int H = 0;
    std::uint16_t PageCursorY = 0;  // top of the area below the title block (and weekday row)
    std::uint16_t FooterHeight = 0; // twice the text height of the footer line
    QString FooterText;
};

// The month's calendar grid: six rows of seven cells, the first column being the weekday
// `dayOrder` (0 = Sunday).
struct MonthGrid {
    int FirstColumn = 0; // the cell of day 1
    int Days = 0;
    std::array<QString, 42> DateCells; // the day number, or " " outside the month
};
MonthGrid MakeMonthGrid(int year, int month, int dayOrder);

// The grey of the printed shadows for a density in percent: 0 black .. 255 white.
int ShadeLevel(int phaseDensity);

// The two whole pages, each on a painter that is already open on the page.
void PrintCalendarPage(QPainter& painter, const QSize& page, const CalendarPageData& data);
void PrintTimeTablePage(QPainter& painter, const QSize& page, const TimeTablePageData& data);

// The steps of the pages, in the order the pages call them.

// The page frame, the title at `top`, the location line; sets the cursor and the footer.
void PrintPageHeader(QPainter& painter, PageState& state, const PageHeaderData& header, int top);
// The yellow row of weekday names, the first one `dayOrder`; moves the cursor below it.
void PrintWeekdayHeader(QPainter& painter, PageState& state,
                        const std::array<QString, 7>& weekdayNames, int dayOrder);
// A box with its number for each day of the month.
void PrintDayGrid(QPainter& painter, const PageState& state, const MonthGrid& grid);
// The legend, the rise, transit and set times, the daily pictures and the major phases.
void PrintMonthDetails(QPainter& painter, const PageState& state, const CalendarPageData& data,
                       const MonthGrid& grid);
// The four major phases' symbols and names at the top right.
void PrintPhaseLegend(QPainter& painter, const PageState& state, bool northernView);

// The Moon's picture in the 180-unit square at `topLeft`: the outline and the shadow.
void PrintDailyPhase(QPainter& painter, const QPoint& topLeft, int percent, PhaseState state,
                     int phaseDensity, bool northernView);
// The symbol and the time of one major phase in the bottom left corner of its day's cell.
void PrintMajorPhase(QPainter& painter, const PageState& state, const MonthGrid& grid,
                     const ListedPhase& phase, bool northernView);

// Each great event's symbol and local time in its day's cell, left of the daily picture between
// the day's number and the major phase's symbol; and in the last row's empty cells each kind's
// symbol with its name. Nothing when the month has none.
void PrintGreatEvents(QPainter& painter, const PageState& state,
                      const std::vector<ListedEvent>& events, const MonthGrid& grid);

// The height the time table's lines of great events take below its rows: nothing for a month
// without any, so its rows keep the whole height.
int GreatEventsBand(QPainter& painter, const std::vector<ListedEvent>& events);

// The time table's headings and one banded row per day; a month with great events gives up
// GreatEventsBand of the rows' height and names them under the rows, one line each.
void PrintTimeRows(QPainter& painter, const PageState& state, const TimeTablePageData& data);
// The centred footer line.
void PrintFooter(QPainter& painter, const PageState& state);

} // namespace selvane
