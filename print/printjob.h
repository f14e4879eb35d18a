// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Printing a page: one landscape page at 300 dpi, in colour, on the system's default printer.
// When no printer is installed the user may save the page as a PDF file instead (offered in
// the documents folder, else home, and told where it went); the command line writes the same
// page as a PDF file without asking.

#include "core/pagedata.h"

#include <QString>

#include <functional>

class QWidget;

namespace selvane {

// What a print job asks or tells the user. The defaults are a file dialog and a message box;
// tests answer in their place.
struct PrintPrompts {
    // No printer is installed: the PDF file to write instead, or an empty text to cancel.
    std::function<QString(QWidget* parent, const QString& suggestedPath)> AskPdfFileName;
    // The page could not be printed.
    std::function<void(QWidget* parent, const QString& message)> ShowError;
    // The page was saved as the PDF file `path` (may be left empty: nothing is said).
    std::function<void(QWidget* parent, const QString& path)> ShowSaved;
};
PrintPrompts DefaultPrintPrompts();

// The name of a page's document, also the PDF file's suggested name: "Selvane March 2024",
// "Selvane Time Table March 2024".
QString CalendarDocumentName(const PageHeaderData& header);
QString TimeTableDocumentName(const PageHeaderData& header);

// Each prints one page and returns whether it was handed to the printer or written to the
// PDF file; a cancelled file dialog returns false without a message, a failure shows one.
bool PrintCalendar(QWidget* parent, const CalendarPageData& data);
bool PrintCalendar(QWidget* parent, const CalendarPageData& data, const PrintPrompts& prompts);
bool PrintTimeTable(QWidget* parent, const TimeTablePageData& data);
bool PrintTimeTable(QWidget* parent, const TimeTablePageData& data, const PrintPrompts& prompts);

// Each writes its page as a one-page PDF file, the page a print without a printer saves: whole
// or not at all. On failure returns false and sets `error` to a sentence naming the file and
// the reason.
bool WriteCalendarPdf(const QString& path, const CalendarPageData& data, QString* error);
bool WriteTimeTablePdf(const QString& path, const TimeTablePageData& data, QString* error);

} // namespace selvane
