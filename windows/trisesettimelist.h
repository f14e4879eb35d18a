// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The month's time list: for every day of the month selected in the main window, the Moon's
// and the Sun's rise, transit and set, the Moon's illuminated percentage and the twilights.
// The rows are drawn into a picture of which the window shows 600 x 380 pixels, scrolled by
// two arrow commands or by dragging the list.

#include "core/localetexts.h"
#include "engine/localtime.h"
#include "engine/monthtable.h"
#include "widgets/borderlesswindow.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>

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
    bool m_placed = false; // it has been shown once and keeps its place since
};

} // namespace selvane
