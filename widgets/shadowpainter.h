// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shadow on a picture of the Moon: a stack of half-ellipse arcs one unit apart that
// together darken a crescent or a gibbous part of the disc. The main window's Moon and the
// printed calendar's daily pictures both draw it, each on a square of its own size.

#include <QPoint>

#include <initializer_list>

class QColor;
class QPainter;
class QRect;

namespace selvane {

// The side of the vertical diameter an arc lies on.
enum class ShadowSide { Left, Right };

// The square the arcs are inscribed in, as the device counts it.
struct ShadowFrame {
    QPoint TopLeft;
    int Size = 0; // width and height
    // 0: the right and bottom edges lie on the lines TopLeft + Size, so an outline on them
    // covers Size + 1 pixels across (the main window's picture). 1: they lie a unit further
    // in, so the outline covers exactly the Size pixels from TopLeft on (a printed page, where
    // a box is named by its first unit and the first unit outside it).
    int FarEdgeInset = 0;
    // The centre line, widened by this many units on every side: 0 is one pixel wide and as
    // high as the frame, 1 three pixels wide and reaching a unit past the frame at both ends.
    int CentreLineHalfWidth = 0;
};

// Arc k is the half, on its side, of the ellipse inscribed between the vertical lines at
// TopLeft.x() + k and TopLeft.x() + Size - k (whichever lies left) and the frame's top and
// bottom; it runs from the ellipse's top point through that side to its bottom point. Arcs k
// and Size - k coincide: a small k hugs the limb, k near Size / 2 the vertical diameter.
QRect ShadowArcBox(const ShadowFrame& frame, int k);

// The whole disc: the frame grown by a unit on every side, for its outline and the New Moon.
QRect ShadowDisc(const ShadowFrame& frame);

// The arcs k = From .. To on one side; none when To < From.
struct ArcRun {
    ShadowSide Side = ShadowSide::Left;
    int From = 0;
    int To = -1;
};

// Arcs one unit apart drawn one unit wide leave pinholes between them (and a hairline inside
// the printed outline); two units close them.
inline constexpr int kShadowArcPenWidth = 2;

// Draws the runs in `colour`, each kept to its own half of the frame so that the wide pen does
// not reach across the vertical diameter, then, with `centreLine`, the centre line. Leaves the
// painter's state as it was.
void PaintShadow(QPainter& painter, const ShadowFrame& frame, const QColor& colour,
                 std::initializer_list<ArcRun> runs, bool centreLine = false);

} // namespace selvane
