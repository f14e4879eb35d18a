// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a file whole or not at all: the exports, the printed PDF pages and the command
// line's output all go through here; and the folder a file to save is offered in.

#include <QByteArray>
#include <QString>

namespace selvane {

// Writes the bytes to a temporary file in the path's folder and renames it over the path once
// complete, so a failure leaves whatever was at the path untouched. A path that exists and is
// not a regular file (a fifo, a device such as /dev/null, a socket, a terminal) or that names
// an open descriptor (/dev/stdout, /dev/fd/3) is written as it is instead, never replaced: a
// stream cannot be whole or nothing. On failure returns false and sets `error` to a sentence
// naming the file and the system's reason ("No space left on device").
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// The folder a file to save is offered in: the user's documents folder when it exists, else
// the home folder (a save into a folder that is not there would fail).
QString SaveFolder();

} // namespace selvane
