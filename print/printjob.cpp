#include "print/printjob.h"

#include "print/printcal.h"
#include "widgets/product.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cups/cups.h>

#include <cstring>

namespace selvane {

namespace {

// The layout's device units are the dots of a 300-dpi printer.
constexpr int kPrintResolution = 300;

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

// One landscape page to the default printer (or, without one, the first printer there is),
// or to a PDF file when no printer is installed.
bool PrintOnePage(QWidget* parent, const QString& documentName, const PrintPrompts& prompts,
                  const DrawPage& draw) {
    QPrinter printer(QPrinter::HighResolution);
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path = prompts.AskPdfFileName(
            parent, QDir(documents).filePath(documentName + QStringLiteral(".pdf")));
        if (path.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    } else {
        QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull())
            target = printers.first();
        const QString name =
            target.description().isEmpty() ? target.printerName() : target.description();
        if (target.state() == QPrinter::Error) {
            prompts.ShowError(parent, QStringLiteral("The printer \"%1\" reports an error. "
                                                     "The page was not printed.")
                                          .arg(name));
            return false;
        }
        if (!AcceptsJobs(target)) {
            prompts.ShowError(parent, QStringLiteral("The printer \"%1\" does not accept jobs. "
                                                     "The page was not printed.")
                                          .arg(name));
            return false;
        }
        printer.setPrinterName(target.printerName());
    }
    printer.setDocName(documentName);
    printer.setResolution(kPrintResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(false);

    QPainter painter;
    if (!painter.begin(&printer)) {
        prompts.ShowError(parent, printer.outputFileName().isEmpty()
                                      ? QStringLiteral("The printer could not be opened. "
                                                       "The page was not printed.")
                                      : QStringLiteral("The file \"%1\" could not be written.")
                                            .arg(printer.outputFileName()));
        return false;
    }
    draw(painter, QSize(printer.width(), printer.height()));
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        prompts.ShowError(parent, QStringLiteral("The printer reported an error. "
                                                 "The page may not have been printed."));
        return false;
    }
    return true;
}

QString MonthAndYear(const PageHeaderData& header) {
    return QStringLiteral("%1 %2").arg(header.MonthName).arg(header.Year);
}

} // namespace

PrintPrompts DefaultPrintPrompts() {
    PrintPrompts prompts;
    prompts.AskPdfFileName = [](QWidget* parent, const QString& suggestedPath) {
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("No printer is installed: save the page as a PDF file"),
            suggestedPath, QStringLiteral("PDF files (*.pdf)"));
    };
    prompts.ShowError = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QLatin1String(kProductName), message);
    };
    return prompts;
}

QString CalendarDocumentName(const PageHeaderData& header) {
    return QLatin1String(kProductName) + u' ' + MonthAndYear(header);
}

QString TimeTableDocumentName(const PageHeaderData& header) {
    return QLatin1String(kProductName) + QStringLiteral(" Time Table ") + MonthAndYear(header);
}

bool PrintCalendar(QWidget* parent, const CalendarPageData& data) {
    return PrintCalendar(parent, data, DefaultPrintPrompts());
}

bool PrintCalendar(QWidget* parent, const CalendarPageData& data, const PrintPrompts& prompts) {
    return PrintOnePage(
        parent, CalendarDocumentName(data.Header), prompts,
        [&data](QPainter& painter, const QSize& page) { PrintCalendarPage(painter, page, data); });
}

bool PrintTimeTable(QWidget* parent, const TimeTablePageData& data) {
    return PrintTimeTable(parent, data, DefaultPrintPrompts());
}

bool PrintTimeTable(QWidget* parent, const TimeTablePageData& data, const PrintPrompts& prompts) {
    return PrintOnePage(
        parent, TimeTableDocumentName(data.Header), prompts,
        [&data](QPainter& painter, const QSize& page) { PrintTimeTablePage(painter, page, data); });
}

} // namespace selvane
