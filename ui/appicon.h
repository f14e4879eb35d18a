// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

namespace selvane {

// The application icon: "Selvane.ico" from the working folder, else beside the program or in
// its installed data folder (so a desktop menu's launch finds it), else the built-in picture.
// A file that cannot be read as an icon counts as missing.
QIcon ApplicationIcon(const QString& workingDir, const QString& programDir);

} // namespace selvane
