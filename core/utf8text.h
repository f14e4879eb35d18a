// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The engine's and the settings' UTF-8 texts as the windows' texts.

#include <QString>

#include <string>

namespace selvane {

inline QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace selvane
