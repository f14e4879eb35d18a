// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The export of the Moon's events that the time list offers: what to export and where, then
// the calendar file, written whole or not at all.

#include "engine/localtime.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace selvane {

// What the user chooses to export.
struct ExportChoice {
    bool WholeYear = true;    // the month's year, else the month alone
    bool WithRiseSet = false; // each day's moonrise and moonset too
};

// What exporting asks or tells the user. The defaults are a question with a check box, a file
// dialog and a message box; tests answer in their place.
struct ExportPrompts {
    // The year or the month (named as "March 2025"), with or without the rises and sets;
    // nothing when the user cancels.
    std::function<std::optional<ExportChoice>(QWidget* parent, const QString& monthAndYear,
                                              int year)>
        AskChoice;
    // The file to write, offered `suggestedPath`; an empty text to cancel.
    std::function<QString(QWidget* parent, const QString& suggestedPath)> AskFileName;
    // The file could not be written.
    std::function<void(QWidget* parent, const QString& message)> ShowError;
    // The file was written to `path` (may be left empty: nothing is said).
    std::function<void(QWidget* parent, const QString& path)> ShowSaved;
};
ExportPrompts DefaultExportPrompts();

// What the time list exports from: its month (or that month's year) at the place of its times.
struct MoonCalendarRequest {
    int Year = 2000;
    int Month = 1;
    QString MonthName; // the locale's name of the month standing alone
    Observer Place;
    QString Location; // the place's name for the rises and sets; may be empty
    QDateTime Made;   // the present, the file's time stamp
};

// Asks what to export and where, offering "Selvane Moon 2025.ics" (or the month's name) in
// SaveFolder() (the documents folder, else home), and writes the file whole or not at all,
// then says where it went. Returns whether a file was written; a cancelled question or dialog
// returns false without a message, a failed write shows one.
bool ExportMoonCalendar(QWidget* parent, const MoonCalendarRequest& request,
                        const ExportPrompts& prompts);

} // namespace selvane
