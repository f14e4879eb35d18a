// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printjob.h"

#include "core/atomicfile.h"
#include "core/product.h"
#include "print/printcal.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cstring>

namespace selvane {

namespace {

// The layout's device units are the dots of a 300-dpi printer.
constexpr int kPrintResolution = 300;

// The options Qt's CUPS print engine hands to CUPS with the job, as name and value pairs: the
// engine property its print dialog sets them through.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

using DrawPage = std::function<void(QPainter&, const QSize&)>;

// Whether the printer's queue takes new jobs. A queue set to refuse them still reports itself
// idle, and the job handed to it would be turned away without a word. A printer unknown to
// CUPS is let through: the print itself then tells.
bool AcceptsJobs(const QPrinterInfo& printer) {
    const QByteArray queue = printer.printerName().section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return true;
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || std::strcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return accepts;
}

// Every page, printed or saved: landscape, its device units the dots of a 300-dpi printer.
template <typename PagedDevice>
void SetUpPage(PagedDevice& device) {
    device.setResolution(kPrintResolution);
    device.setPageOrientation(QPageLayout::Landscape);
}

// The page as a PDF file on the writer's default paper (A4, 10 mm margins, as a PDF print
// has), made in memory and then written whole.
bool WritePdfPage(const QString& path, const QString& documentName, const DrawPage& draw,
                  QString* error) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        SetUpPage(writer);
        writer.setTitle(documentName);
        writer.setCreator(QStringLiteral("%1 %2").arg(QLatin1String(kProductName), VersionLabel()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error =
                    QCoreApplication::translate("selvane::PrintJob",
                                                "Cannot write \"%1\": the page could not be drawn.")
                        .arg(QDir::toNativeSeparators(path));
            return false;
        }
        draw(painter, QSize(writer.width(), writer.height()));
    } // the painter ends and the writer completes the document here
    return WriteFileAtomically(path, bytes.data(), error);
}

// One landscape page to the default printer (or, without one, the first printer there is),
// or to a PDF file when no printer is installed.
bool PrintOnePage(QWidget* parent, const QString& documentName, const PrintPrompts& prompts,
                  const DrawPage& draw) {
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) {
        const QString path = prompts.AskPdfFileName(
            parent, QDir(SaveFolder()).filePath(documentName + QStringLiteral(".pdf")));
        if (path.isEmpty())
            return false;
        QString error;
        if (!WritePdfPage(path, documentName, draw, &error)) {
            prompts.ShowError(parent, error);
            return false;
        }
        if (prompts.ShowSaved)
            prompts.ShowSaved(parent, path);
        return true;
    }
    QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        target = printers.first();
    const QString name =
        target.description().isEmpty() ? target.printerName() : target.description();
    if (target.state() == QPrinter::Error) {
        prompts.ShowError(parent, QCoreApplication::translate(
                                      "selvane::PrintJob", "The printer \"%1\" reports an error. "
                                                           "The page was not printed.")
                                      .arg(name));
        return false;
    }
    if (!AcceptsJobs(target)) {
        prompts.ShowError(parent,
                          QCoreApplication::translate("selvane::PrintJob",
                                                      "The printer \"%1\" does not accept jobs. "
                                                      "The page was not printed.")
                              .arg(name));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(target.printerName());
    printer.setDocName(documentName);
    SetUpPage(printer);
    printer.setFullPage(false);
    // In colour, also on a colour printer set to grey by default (which would print the
    // weekday row grey): the page is drawn in colour and the job asks CUPS for colour, which
    // CUPS turns into the printer's own colour setting.
    printer.setColorMode(QPrinter::Color);
    printer.printEngine()->setProperty(
        kCupsOptions, QStringList{QStringLiteral("print-color-mode"), QStringLiteral("color")});

    QPainter painter;
    if (!painter.begin(&printer)) {
        prompts.ShowError(parent, QCoreApplication::translate("selvane::PrintJob",
                                                              "The printer could not be opened. "
                                                              "The page was not printed."));
        return false;
    }
    draw(painter, QSize(printer.width(), printer.height()));
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        prompts.ShowError(parent, QCoreApplication::translate(
                                      "selvane::PrintJob", "The printer reported an error. "
                                                           "The page may not have been printed."));
        return false;
    }
    return true;
}

QString MonthAndYear(const PageHeaderData& header) {
    return QStringLiteral("%1 %2").arg(header.MonthName).arg(header.Year);
}

DrawPage CalendarDrawing(const CalendarPageData& data) {
    return [&data](QPainter& painter, const QSize& page) {
        PrintCalendarPage(painter, page, data);
    };
}

DrawPage TimeTableDrawing(const TimeTablePageData& data) {
    return [&data](QPainter& painter, const QSize& page) {
        PrintTimeTablePage(painter, page, data);
    };
}

} // namespace

PrintPrompts DefaultPrintPrompts() {
    PrintPrompts prompts;
    prompts.AskPdfFileName = [](QWidget* parent, const QString& suggestedPath) {
        return QFileDialog::getSaveFileName(
            parent,
            QCoreApplication::translate("selvane::PrintJob",
                                        "No printer is installed: save the page as a PDF file"),
            suggestedPath, QCoreApplication::translate("selvane::PrintJob", "PDF files (*.pdf)"));
    };
    prompts.ShowError = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QLatin1String(kProductName), message);
    };
    prompts.ShowSaved = [](QWidget* parent, const QString& path) {
        QMessageBox::information(
            parent, QLatin1String(kProductName),
            QCoreApplication::translate("selvane::PrintJob", "Saved the page as %1.")
                .arg(QDir::toNativeSeparators(path)));
    };
    return prompts;
}

QString CalendarDocumentName(const PageHeaderData& header) {
    return QLatin1String(kProductName) + u' ' + MonthAndYear(header);
}

QString TimeTableDocumentName(const PageHeaderData& header) {
    //: The time table's document and file name: the program's name, then the month and year.
    return QCoreApplication::translate("selvane::PrintJob", "%1 Time Table %2")
        .arg(QLatin1String(kProductName), MonthAndYear(header));
}

bool PrintCalendar(QWidget* parent, const CalendarPageData& data) {
    return PrintCalendar(parent, data, DefaultPrintPrompts());
}

bool PrintCalendar(QWidget* parent, const CalendarPageData& data, const PrintPrompts& prompts) {
    return PrintOnePage(parent, CalendarDocumentName(data.Header), prompts, CalendarDrawing(data));
}

bool PrintTimeTable(QWidget* parent, const TimeTablePageData& data) {
    return PrintTimeTable(parent, data, DefaultPrintPrompts());
}

bool PrintTimeTable(QWidget* parent, const TimeTablePageData& data, const PrintPrompts& prompts) {
    return PrintOnePage(parent, TimeTableDocumentName(data.Header), prompts,
                        TimeTableDrawing(data));
}

bool WriteCalendarPdf(const QString& path, const CalendarPageData& data, QString* error) {
    return WritePdfPage(path, CalendarDocumentName(data.Header), CalendarDrawing(data), error);
}

bool WriteTimeTablePdf(const QString& path, const TimeTablePageData& data, QString* error) {
    return WritePdfPage(path, TimeTableDocumentName(data.Header), TimeTableDrawing(data), error);
}

} // namespace selvane
