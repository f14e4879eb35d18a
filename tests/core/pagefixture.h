// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The page the print tests and the benchmarks print, and the tools that read a PDF.

#include "core/pagebuilder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace selvane {

// The page data the page tests and the benchmarks print: March 2024 at 51 28 38 N, 0 0 5 W,
// zone 0, everything printed. 1 March 2024 is a Friday.
inline CalendarPageData March2024(bool north = true, int dayOrder = 0) {
    Settings record;
    record.Lat = {"51", "28", "38", "North"};
    record.Long = {"00", "00", "05", "West"};
    record.DayOrder = static_cast<std::uint8_t>(dayOrder);
    const Observer greenwich = ObserverFromSettings(record, 0.0);
    return CalendarPage(
        {record, greenwich, LocaleTexts::from(QLocale(QLocale::English)), 2024, 3, north, false});
}

// The standard output of a command that succeeded, else a text saying it failed.
inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 %2 failed>").arg(program, arguments.join(u' '));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What is wrong with a PDF that should be one landscape page holding the given texts
// (read with "pdftotext -layout", runs of white space as one); empty when nothing is. A page
// is landscape when its words run along its long side, also when a printer driver has turned
// the page onto portrait paper.
inline QString PdfProblems(const QString& file, const QStringList& texts) {
    QStringList problems;
    const QString info = Run(QStringLiteral("pdfinfo"), {file});
    if (!QRegularExpression(QStringLiteral("Pages: +1\\n")).match(info).hasMatch())
        problems << QStringLiteral("not one page: ") + info;
    const QString boxes = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, "-"});
    const QRegularExpression number(QStringLiteral("([0-9.]+)"));
    auto value = [&](const QString& name, qsizetype from) {
        const qsizetype at = boxes.indexOf(name + QStringLiteral("=\""), from);
        return at < 0 ? 0.0 : number.match(boxes, at + name.size() + 2).captured(1).toDouble();
    };
    double along = 0, across = 0; // word extents along x and along y
    for (qsizetype at = boxes.indexOf(QStringLiteral("<word")); at >= 0;
         at = boxes.indexOf(QStringLiteral("<word"), at + 1)) {
        along += value(QStringLiteral("xMax"), at) - value(QStringLiteral("xMin"), at);
        across += value(QStringLiteral("yMax"), at) - value(QStringLiteral("yMin"), at);
    }
    const bool wide = value(QStringLiteral("width"), 0) > value(QStringLiteral("height"), 0);
    if (along == across || (along > across) != wide)
        problems << QStringLiteral("not landscape: ") + boxes.left(300);
    const QString text =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")})
            .simplified();
    for (const QString& t : texts)
        if (!text.contains(t))
            problems << QStringLiteral("no \"%1\" in: %2").arg(t, text.left(300));
    return problems.join(u'\n');
}

} // namespace selvane
