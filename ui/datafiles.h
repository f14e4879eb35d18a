// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace selvane {

// Where the program looks for a file that ships beside it ("Selvane.ico",
// "Docs/Selvane.htm"), in this order: the working folder, beside the program (the build
// folder), and the installed data folder share/selvane beside the program's bin folder.
QStringList DataFilePlaces(const QString& relativePath, const QString& workingDir,
                           const QString& programDir);

// The help pages to look for, in this order, for the language of the window's texts ("de",
// "pt_BR"; empty for English): "Docs/Selvane_pt_BR.htm", "Docs/Selvane_pt.htm", then the
// English "Docs/Selvane.htm".
QStringList HelpPages(const QString& language);

// The first of those places that holds the file; empty when none does.
QString FindDataFile(const QString& relativePath, const QString& workingDir,
                     const QString& programDir);

} // namespace selvane
