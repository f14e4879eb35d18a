#pragma once
// The shadow on the Moon picture: the name of its phase state, and a stack of half-ellipse
// arcs whose number follows the illuminated percentage.

#include "engine/phasestate.h"

#include <QString>

class QImage;
class QPainter;

namespace selvane {

// The state's name as the status strip shows it, with its leading space (" Full Moon").
QString PhaseStateName(PhaseState state);

enum class ArcSide { Left, Right };

inline constexpr int kArcBoxSize = 151; // the arcs' box, a pixel larger than the picture

// Arc k: the half on `side` of the ellipse in the box with left and right edges x0 + k and
// x0 + size - k (swapped once they cross), top y0 and bottom y0 + size.
void DrawArc2(QPainter& painter, ArcSide side, int x0, int y0, int size, int k);

// Darkens the unlit part of the 150 x 150 Moon picture for the percentage and state.
// northernView: the picture is north up (the waning shadow on the right).
void Shadow(QPainter& painter, int percent, PhaseState state, bool northernView);

// The picture turned by 180 degrees: pixel (x, y) moves to (w - 1 - x, h - 1 - y).
QImage TurnedHalfway(const QImage& image);

} // namespace selvane
