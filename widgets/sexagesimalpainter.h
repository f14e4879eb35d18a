// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts painted by the top of their first line: a value in degrees, minutes and seconds, or any
// text.

#include "engine/angletext.h"

#include <QRect>

class QFontMetrics;
class QPainter;
class QString;

namespace selvane {

// Draws a text with the painter's font and pen, its top-left corner at (x, y).
void DrawTextAt(QPainter& painter, int x, int y, const QString& text);

// Draws a value as three right-aligned pieces (see MakeSexagesimal) with the painter's font,
// pen and background mode; the top of every piece is at y. Columns drawn with the same
// rightX line up on their unit marks.
void DrawSexagesimal(QPainter& painter, SexagesimalMode mode, int rightX, int y, double value);

// Where DrawSexagesimal draws the value in `metrics`' font: from the left end of the first piece
// to the right end of the last, one line high.
QRect SexagesimalRect(const QFontMetrics& metrics, SexagesimalMode mode, int rightX, int y,
                      double value);

// The value as a screen reader reads it: the pieces DrawSexagesimal draws, without the spaces
// that align them ("-5° 30' 00\""), the seconds' piece left out unless `withSeconds`.
QString SexagesimalText(SexagesimalMode mode, double value, bool withSeconds = true);

// A shown text with its degree marks (U+00BA, the masculine ordinal the window's font draws as
// one) read as the degree sign U+00B0 they stand for.
QString SpokenDegrees(QString text);

} // namespace selvane
