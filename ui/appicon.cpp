// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/appicon.h"

#include "ui/datafiles.h"
#include "widgets/resources.h"

#include <QFileInfo>
#include <QImageReader>

namespace selvane {

QIcon ApplicationIcon(const QString& workingDir, const QString& programDir) {
    for (const QString& path :
         DataFilePlaces(QStringLiteral("Selvane.ico"), workingDir, programDir)) {
        if (QFileInfo(path).isFile() && QImageReader(path).canRead())
            return QIcon(path);
    }
    InitResources();
    return QIcon(QStringLiteral(":/icon.png"));
}

} // namespace selvane
