// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts painted by the top of their first line: a value in degrees, minutes and seconds, or any
// text.

#include "engine/angletext.h"

class QPainter;
class QString;

namespace selvane {

// Draws a text with the painter's font and pen, its top-left corner at (x, y).
void DrawTextAt(QPainter& painter, int x, int y, const QString& text);

// Draws a value as three right-aligned pieces (see MakeSexagesimal) with the painter's font,
// pen and background mode; the top of every piece is at y. Columns drawn with the same
// rightX line up on their unit marks.
void DrawSexagesimal(QPainter& painter, SexagesimalMode mode, int rightX, int y, double value);

} // namespace selvane
