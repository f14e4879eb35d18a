// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/datafiles.h"

#include <QFileInfo>

namespace selvane {

QStringList DataFilePlaces(const QString& relativePath, const QString& workingDir,
                           const QString& programDir) {
    QStringList places;
    for (const QString& folder :
         {workingDir, programDir, programDir + QStringLiteral("/../share/selvane")})
        places << folder + QLatin1Char('/') + relativePath;
    return places;
}

QStringList HelpPages(const QString& language) {
    QStringList pages;
    if (!language.isEmpty()) {
        pages << QStringLiteral("Docs/Selvane_%1.htm").arg(language);
        if (language.contains(u'_'))
            pages << QStringLiteral("Docs/Selvane_%1.htm").arg(language.section(u'_', 0, 0));
    }
    return pages << QStringLiteral("Docs/Selvane.htm");
}

QString FindDataFile(const QString& relativePath, const QString& workingDir,
                     const QString& programDir) {
    for (const QString& path : DataFilePlaces(relativePath, workingDir, programDir))
        if (QFileInfo(path).isFile())
            return QFileInfo(path).absoluteFilePath();
    return {};
}

} // namespace selvane
