// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's name, version and maker's home page, as the windows, the printed pages, the
// command line and the calendar files show them.

#include "core/version.h"

#include <QLatin1String>
#include <QString>

namespace selvane {

inline constexpr const char* kProductName = "Selvane";
// The maker's home page: opened by the home page command, printed in the page footer.
inline constexpr const char* kHomePage = "https://selvane.example.org/";

// The version as the printed footer and the PDF files' creator show it (and the about
// window's picture): a "V" before the number, "V1.13". The command line and the calendar
// files give the number alone, kVersion.
inline QString VersionLabel() {
    return QStringLiteral("V") + QLatin1String(kVersion);
}

} // namespace selvane
