// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shadowpainter.h"

#include <QPainter>

#include <algorithm>

namespace selvane {

namespace {

// Qt's angles: sixteenths of a degree, counter-clockwise from three o'clock.
constexpr int kTop = 90 * 16;
constexpr int kHalfTurn = 180 * 16;

// The columns a side's arcs may darken. The left half keeps those up to the one holding the
// frame's middle, the right half those from the column of the arcs' top point, Size / 2 units
// in. On the screen's frame these are one column, which both halves may darken; on the page's
// they are neighbours. Above, below and outside the clip reaches well past every arc.
QRect HalfClip(const ShadowFrame& frame, ShadowSide side) {
    const int x = frame.TopLeft.x();
    const int y = frame.TopLeft.y();
    const int far = 2 * (frame.Size + kShadowArcPenWidth);
    if (side == ShadowSide::Left)
        return QRect(QPoint(x - far, y - far),
                     QPoint(x + (frame.Size - frame.FarEdgeInset) / 2, y + far));
    return QRect(QPoint(x + frame.Size / 2, y - far), QPoint(x + far, y + far));
}

} // namespace

QRect ShadowArcBox(const ShadowFrame& frame, int k) {
    const int nearEdge = std::min(k, frame.Size - k);
    const int farEdge = std::max(k, frame.Size - k);
    return QRect(frame.TopLeft.x() + nearEdge, frame.TopLeft.y(),
                 std::max(farEdge - nearEdge - frame.FarEdgeInset, 0),
                 frame.Size - frame.FarEdgeInset);
}

QRect ShadowDisc(const ShadowFrame& frame) {
    const int size = frame.Size + 2 - frame.FarEdgeInset;
    return QRect(frame.TopLeft - QPoint(1, 1), QSize(size, size));
}

void PaintShadow(QPainter& painter, const ShadowFrame& frame, const QColor& colour,
                 std::initializer_list<ArcRun> runs, bool centreLine) {
    for (const ArcRun& run : runs) {
        if (run.To < run.From)
            continue;
        painter.save();
        painter.setPen(QPen(colour, kShadowArcPenWidth));
        painter.setClipRect(HalfClip(frame, run.Side));
        // From the top point down to the bottom point through the run's side.
        const int span = run.Side == ShadowSide::Left ? kHalfTurn : -kHalfTurn;
        for (int k = run.From; k <= run.To; ++k)
            painter.drawArc(ShadowArcBox(frame, k), kTop, span);
        painter.restore();
    }
    if (centreLine) {
        painter.save();
        painter.setPen(QPen(colour, 1));
        const int w = frame.CentreLineHalfWidth;
        const int middle = frame.TopLeft.x() + frame.Size / 2;
        const int top = frame.TopLeft.y() - w;
        const int bottom = frame.TopLeft.y() + frame.Size - 1 + w;
        for (int x = middle - w; x <= middle + w; ++x)
            painter.drawLine(QPoint(x, top), QPoint(x, bottom));
        painter.restore();
    }
}

} // namespace selvane
