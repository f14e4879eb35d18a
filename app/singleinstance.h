// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One running window per user. Two copies would each write back the settings they loaded at
// start over the other's changes, so a second start brings the first window forward and ends.

#include <QString>

class QWidget;

namespace selvane {

// The local socket's name for this user: "selvane-" and the user id.
QString InstanceName();

// Claims the name for `window`: true when no other copy answers on it, and from then on a
// later start's call shows, raises and activates `window`. False when another copy answered;
// it has been asked to come forward, and this one should end. A socket left by a copy that
// crashed answers nothing and is replaced. Should the name be unusable, the window starts
// anyway (true) and stderr says why.
bool ClaimSingleInstance(QWidget& window, const QString& name = InstanceName());

} // namespace selvane
