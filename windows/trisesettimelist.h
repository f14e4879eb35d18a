// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The month's time list: for every day of the month selected in the main window, the Moon's
// and the Sun's rise, transit and set, the Moon's illuminated percentage and the twilights.
// The rows are drawn into a picture of which the window shows 600 x 380 pixels, scrolled by
// two arrow commands or by dragging the list.

#include "core/localetexts.h"
#include "engine/greatevents.h"
#include "engine/localtime.h"
#include "engine/monthtable.h"
#include "widgets/borderlesswindow.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QTimer;

namespace selvane {

// The room of a time's text in the list: its columns stand 38 pixels apart, and a time, or
// "None" in the user's language, takes at most 36 of them.
inline constexpr int kTimeTextRoom = 36;

// What the main window tells the list, asked at each computation.
struct TimeListMonth {
    int Year = 2000;
    int Month = 1;
    Observer Place;     // latitude, longitude (west positive), UT offset minutes
    QString DateLayout; // "dd/mm/yyyy" or "mm/dd/yyyy" from the settings
    QString Zone;       // the clock the times are in, named in the header
};

class TRiseSetTimeList : public BorderlessWindow {
    Q_OBJECT

public:
    // A top-level window of its own (so it can be minimised), created hidden.
    TRiseSetTimeList(QWidget* mainWindow, const LocaleTexts& texts,
                     std::function<TimeListMonth()> currentMonth);

    // Computes the current month into `table`; unless `computeOnly`, draws its rows into the
    // list picture and shows the top of the list.
    void DisplayTimeList(bool computeOnly, MonthTimeTable& table);
    // Clamps ScrollX and ScrollY to the picture and shows that part of it.
    void CopyScreenArea();

    // The time-table printout; lblPrintClick hands it a copy of Table.
    std::function<void(const MonthTimeTable&)> printTable;
    // The calendar file export of the listed month or its year; ExportCalendar (Ctrl+E) hands
    // it the month as the main window tells it now.
    std::function<void(const TimeListMonth&)> exportCalendar;
    // The window's own table: recomputed on every activation, and by the main window when its
    // month or the settings change while the list is shown.
    MonthTimeTable Table;

    // The visible part's offset in the list picture, and the offsets at the start of a drag
    // or a timer tick.
    int ScrollX = 0;
    int ScrollY = 0;
    int SavedScrollX = 0;
    int SavedScrollY = 0;
    int ScrollStep = 0; // +1 scrolls down, -1 up
    int DragStartX = 0; // the press that started a list drag, window coordinates
    int DragStartY = 0;
    bool Dragging = false; // a list drag is under way

    QTimer* Timer1;  // scrolls while an arrow is held, every 100 ms
    QLabel* lblZone; // the zone of the listed times, in the title strip

    // The list picture (imgList): 600 wide, one row per day, at the window's device pixel
    // ratio; listSize() is its logical size.
    const QImage& listPicture() const { return imgList; }
    QSize listSize() const;
    // One row's height: the list font's text height.
    int rowHeight() const;

    // The listed month's great events (eclipses, supermoons, blue moons), found when the rows
    // were drawn; a day that has some has a mark right of its date.
    const std::vector<GreatEvent>& greatEvents() const { return m_events; }
    // The day of the row at a point of the window, or 0 off the rows.
    int dayAt(QPoint position) const;
    // The hint at a point of the window: the great events of the row's day, or empty.
    QString rowHint(QPoint position) const;
    // Where a day's event mark stands in the list picture.
    QRect markRect(int day) const;
    // What the list shows, for screen readers. Its columns from left to right: the date, the
    // Moon's rise, transit and set, the illumination, the twilights' starts (astronomical,
    // nautical, civil), the Sun's rise, transit and set and the twilights' ends (civil,
    // nautical, astronomical).
    static constexpr int kListColumns = 14;
    // The days it lists, and a day's texts (day 1 to listedDays) as drawn.
    int listedDays() const { return static_cast<int>(m_rows.size()); }
    QString cellText(int day, int column) const;
    // A column's title with its group's title, "Moon Rise", "Twilight Start Ast.".
    QString columnHeading(int column) const;
    // Where a column's title stands, and where a day's text is drawn in the window now (maybe
    // out of the visible part of the list, listArea()).
    QRect headingPlace(int column) const;
    QRect cellPlace(int day, int column) const;
    static QRect listArea();

    // Handlers.
    void FormActivate();
    void FormMouseDown(QPoint position);
    void FormMouseMove(QPoint position);
    void FormMouseUp();
    void lblScrollUpMouseDown();
    void lblScrollUpMouseUp();
    void lblScrollDownMouseDown();
    void lblScrollDownMouseUp();
    void Timer1Timer();
    void lblMinimiseClick();
    void lblExitClick();
    void lblPrintClick();
    void ExportCalendar();
    // Up/Down scroll one row, Page Up/Down one page of whole rows, Home and End to the ends,
    // all clamped as the arrows are.
    void FormKeyDown(int key);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();

    std::function<TimeListMonth()> m_currentMonth;
    QChar m_dateSeparator;
    QFont m_listFont;
    QImage imgList;
    std::vector<std::array<QString, kListColumns>> m_rows; // the texts drawn, a row per day
    std::vector<QLabel*> m_titles;                         // the column titles, as kColumnTitles
    bool m_placed = false; // it has been shown once and keeps its place since
    int m_listedYear = 0;  // the month the rows show
    int m_listedMonth = 0;
    std::vector<GreatEvent> m_events;
};

} // namespace selvane
