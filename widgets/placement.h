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
    // Marked for translation in the context of the window's class ("selvane::TSelvane").
    const char* Hint = nullptr;
    QRect rect() const { return {X, Y, W, H}; }
};

// The width in pixels a caption may take where it stands: up to what follows it on its line (a
// value, another caption, a panel's edge) less a gap of a few pixels. A window gives it to each
// of its captions from its layout table, and the translations are checked against it: a text
// in another language must fit the room its English text fits.
void SetTextRoom(QWidget* caption, int pixels);
// The room given to a caption; 0 when none was.
int TextRoom(const QWidget* caption);

// Gives each child of `window` named in the table its place.
void PlaceControls(QWidget* window, std::span<const Placement> table);

// A transparent, caption-less command on `window`, named, placed and with its hint in the
// user's language.
HotSpotLabel* AddHotSpot(QWidget* window, const Placement& place);

} // namespace selvane
