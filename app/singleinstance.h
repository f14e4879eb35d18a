// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One running window per user and display. Two copies would each write back the settings they
// loaded at start over the other's changes, so a second start on the same display brings the
// first window forward and ends. The socket lies in the user's private runtime folder, where
// no other user can take its name or reach it; another display (another session) has its own.

#include <QString>

class QWidget;

namespace selvane {

// The user's private runtime folder: `xdgRuntimeDir` ($XDG_RUNTIME_DIR, the session's) when
// set, else "selvane-<uid>" in the temporary folder, made on first use for the user alone
// (mode 0700). Path is empty, and Problem says why, when that folder is not the user's own
// private folder: another user's, a link, not a folder, open to others, or not to be made.
struct RuntimeFolder {
    QString Path;
    QString Problem;
};
RuntimeFolder PrivateRuntimeFolder(const QString& xdgRuntimeDir, const QString& temporaryFolder);

// The socket's file name for a display: "selvane-" and the display, Wayland's ("wayland-0")
// else X11's without its screen (":0" of ":0.0"), else the login session's ("session-3"), else
// "default"; characters other than letters, digits, '.', ':', '-' and '_' become '_'.
QString InstanceName(const QString& waylandDisplay, const QString& x11Display,
                     const QString& sessionId);

// What the line on standard error adds when the window starts without a socket.
inline constexpr const char* kUnfoundBySecondStart =
    ", so a second start will not find this window";

// What a start found at the socket's path.
enum class InstanceClaim {
    First,          // no copy answered: this one listens, and brings `window` forward for later
                    // starts
    BroughtForward, // a copy of this program, this user's, answered and comes forward: end
    Ignored,        // the path is not usable (not a socket, another user's or another
                    // program's, or no socket can be made): left as it is, the window starts
};

// Claims the socket at `socketPath` for `window`. A socket left by a copy that crashed answers
// nothing and is replaced. `note` gets the line for standard error, for BroughtForward and
// Ignored ("selvane: " comes before it).
InstanceClaim ClaimSingleInstance(QWidget& window, const QString& socketPath, QString* note);

} // namespace selvane
