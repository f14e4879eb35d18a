// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's name, version and maker's home page, as the windows, the printed pages, the
// command line and the calendar files show them; the version and the home page come from the
// build (core/version.h).

#include "core/version.h"

#include <QLatin1String>
#include <QString>
#include <QUrl>

namespace selvane {

inline constexpr const char* kProductName = "Selvane";

// The version as the printed footer and the PDF files' creator show it (and the about
// window's picture): a "V" before the number, "V1.13". The command line and the calendar
// files give the number alone, kVersion.
inline QString VersionLabel() {
    return QStringLiteral("V") + QLatin1String(kVersion);
}

// The home page as a reader sees it in a window, and the calendar files' domain: its host,
// "selvane.example.org".
inline QString HomePageHost() {
    return QUrl(QString::fromLatin1(kHomePage)).host();
}

} // namespace selvane
