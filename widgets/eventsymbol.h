// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The great events' symbols: a small coloured mark under a day of the main window's calendar
// and beside a day of the time list, and a black and grey symbol on the printed pages.
//
//   lunar eclipse   the Moon's disc: all in the Earth's shadow (total), a bite of the shadow
//                   out of it (partial), dimmed (penumbral)
//   solar eclipse   the Sun's disc with the dark Moon: a thin ring of corona round it (total,
//                   hybrid), a wide bright ring (annular), a bite out of the Sun (partial)
//   supermoon       the full disc, bright, in a double rim on paper
//   blue moon       a blue disc

#include "core/greateventtexts.h"

class QPainter;
class QRectF;

namespace selvane {

enum class SymbolInk {
    Screen, // colours for a dark background
    Paper,  // black, greys and white with a black outline, for white paper
};

// Draws the symbol inscribed in the square `box`; the painter's state is kept.
void PaintEventSymbol(QPainter& painter, const QRectF& box, EventSymbol symbol, SymbolInk ink);

} // namespace selvane
