#pragma once

#include "engine/angletext.h"

class QPainter;

namespace selvane {

// Draws a value as three right-aligned pieces (see MakeSexagesimal) with the painter's font,
// pen and background mode; the top of every piece is at y. Columns drawn with the same
// rightX line up on their unit marks.
void DrawSexagesimal(QPainter& painter, SexagesimalMode mode, int rightX, int y, double value);

} // namespace selvane
