// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/moonexport.h"

#include "core/atomicfile.h"
#include "core/mooncalendar.h"
#include "core/product.h"
#include "engine/moonevents.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace selvane {

ExportPrompts DefaultExportPrompts() {
    ExportPrompts prompts;
    prompts.AskChoice = [](QWidget* parent, const QString& monthAndYear,
                           int year) -> std::optional<ExportChoice> {
        QMessageBox box(
            QMessageBox::Question, QLatin1String(kProductName),
            QCoreApplication::translate("selvane::MoonExport",
                                        "Export the Moon's phases, perigees and apogees to "
                                        "a calendar file for your calendar program:"),
            QMessageBox::Cancel, parent);
        QPushButton* wholeYear =
            box.addButton(QCoreApplication::translate("selvane::MoonExport", "All of %1").arg(year),
                          QMessageBox::AcceptRole);
        QPushButton* month = box.addButton(monthAndYear, QMessageBox::AcceptRole);
        box.setDefaultButton(wholeYear);
        auto* riseSet = new QCheckBox(QCoreApplication::translate(
            "selvane::MoonExport", "With each day's moonrise and moonset"));
        box.setCheckBox(riseSet);
        box.exec();
        if (box.clickedButton() != wholeYear && box.clickedButton() != month)
            return std::nullopt;
        return ExportChoice{box.clickedButton() == wholeYear, riseSet->isChecked()};
    };
    prompts.AskFileName = [](QWidget* parent, const QString& suggestedPath) {
        QFileDialog dialog(
            parent,
            QCoreApplication::translate("selvane::MoonExport",
                                        "Export the Moon to a calendar file"),
            suggestedPath,
            QCoreApplication::translate("selvane::MoonExport", "Calendar files (*.ics)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("ics"));
        dialog.selectFile(suggestedPath);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
    };
    prompts.ShowError = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QLatin1String(kProductName), message);
    };
    prompts.ShowSaved = [](QWidget* parent, const QString& path) {
        QMessageBox::information(parent, QLatin1String(kProductName),
                                 QCoreApplication::translate("selvane::ExportMoonCalendar",
                                                             "Saved the calendar file as %1.")
                                     .arg(QDir::toNativeSeparators(path)));
    };
    return prompts;
}

bool ExportMoonCalendar(QWidget* parent, const MoonCalendarRequest& request,
                        const ExportPrompts& prompts) {
    const std::optional<ExportChoice> choice = prompts.AskChoice(
        parent, QStringLiteral("%1 %2").arg(request.MonthName).arg(request.Year), request.Year);
    if (!choice)
        return false;
    const int month = choice->WholeYear ? kWholeYear : request.Month;
    const QString path = prompts.AskFileName(
        parent,
        QDir(SaveFolder()).filePath(MoonCalendarFileName(request.Year, month, request.MonthName)));
    if (path.isEmpty())
        return false;
    QString error;
    if (!WriteFileAtomically(path,
                             MoonCalendarFile(request.Year, month, request.Place,
                                              choice->WithRiseSet, request.Made, request.Location),
                             &error)) {
        prompts.ShowError(parent, error);
        return false;
    }
    if (prompts.ShowSaved)
        prompts.ShowSaved(parent, path);
    return true;
}

} // namespace selvane
