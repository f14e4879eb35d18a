// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The layout tables of the fixed-size windows: every control by name at its place in window
// pixels, with the hint it shows when it has one.

#include <QRect>

#include <span>

class QWidget;

namespace selvane {

class HotSpotLabel;

struct Placement {
    const char* Name;
    int X, Y, W, H;
    const char* Hint = nullptr;
    QRect rect() const { return {X, Y, W, H}; }
};

// Gives each child of `window` named in the table its place.
void PlaceControls(QWidget* window, std::span<const Placement> table);

// A transparent, caption-less command on `window`, named, placed and with its hint.
HotSpotLabel* AddHotSpot(QWidget* window, const Placement& place);

} // namespace selvane
