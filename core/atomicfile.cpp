// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace selvane {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        //: A file could not be written: its path, then the system's reason.
        *error = QCoreApplication::translate("selvane::AtomicFile", "Cannot write \"%1\": %2.")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    return written;
}

} // namespace selvane
