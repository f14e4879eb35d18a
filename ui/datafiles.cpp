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

QString FindDataFile(const QString& relativePath, const QString& workingDir,
                     const QString& programDir) {
    for (const QString& path : DataFilePlaces(relativePath, workingDir, programDir))
        if (QFileInfo(path).isFile())
            return QFileInfo(path).absoluteFilePath();
    return {};
}

} // namespace selvane
