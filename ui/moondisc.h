// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon picture of the main window: the name of its phase state and the shadow drawn for
// it, and the picture turned for the southern view.

#include "engine/phasestate.h"

#include <QString>

class QImage;
class QPainter;

namespace selvane {

// The state's name as the status strip shows it, in the user's language, with its leading
// space (" Full Moon").
QString PhaseStateName(PhaseState state);

// Darkens the unlit part of the 150 x 150 Moon picture for the percentage and state.
// northernView: the picture is north up (the waning shadow on the right).
void Shadow(QPainter& painter, int percent, PhaseState state, bool northernView);

// The picture turned by 180 degrees: pixel (x, y) moves to (w - 1 - x, h - 1 - y).
QImage TurnedHalfway(const QImage& image);

} // namespace selvane
