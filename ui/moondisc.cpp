#include "ui/moondisc.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <utility>

namespace selvane {

namespace {

const QColor kShadowColour(30, 30, 30);
constexpr int kHalf = kArcBoxSize / 2; // 75

// Neighbouring arcs lie one pixel apart; with a one-pixel pen the rasterizer leaves pinholes
// between them. Two pixels close them without widening the shadow past its arcs' side.
constexpr int kArcPenWidth = 2;

struct Orientation {
    int X0;
    int Y0;
    ArcSide Waning; // the dark side after Full Moon
    ArcSide Waxing; // the dark side before Full Moon
};

Orientation OrientationFor(bool northernView) {
    return northernView ? Orientation{0, -1, ArcSide::Right, ArcSide::Left}
                        : Orientation{-1, 0, ArcSide::Left, ArcSide::Right};
}

void DrawArcs(QPainter& p, const Orientation& o, ArcSide side, int from, int to) {
    // The wide pen would reach a pixel past the vertical axis at the arcs' ends: keep each
    // half on its own side of the axis, as its geometry says.
    const int axis = o.X0 + kHalf;
    const int far = 2 * kArcBoxSize;
    p.save();
    p.setClipRect(side == ArcSide::Left ? QRect(QPoint(-far, -far), QPoint(axis, far))
                                        : QRect(QPoint(axis, -far), QPoint(far, far)));
    for (int k = from; k <= to; ++k)
        DrawArc2(p, side, o.X0, o.Y0, kArcBoxSize, k);
    p.restore();
}

void DrawCentreLine(QPainter& p, const Orientation& o) {
    const QPen pen = p.pen();
    p.setPen(QPen(kShadowColour, 1));
    p.drawLine(QPoint(o.X0 + kHalf, o.Y0), QPoint(o.X0 + kHalf, o.Y0 + kArcBoxSize - 1));
    p.setPen(pen);
}

// The whole of one side and, from the centre line outwards, a lens on the other.
void Crescent(QPainter& p, const Orientation& o, ArcSide dark, ArcSide other, int n) {
    DrawArcs(p, o, dark, 0, kHalf + 1);
    DrawArcs(p, o, other, kHalf, n);
    DrawCentreLine(p, o);
}

} // namespace

QString PhaseStateName(PhaseState state) {
    static const std::array<const char*, kPhaseStateCount> names = {
        " New Moon",  " Waning Crescent", " Last Quarter",  " Waning Gibbous",
        " Full Moon", " Waxing Gibbous",  " First Quarter", " Waxing Crescent"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(state)));
}

void DrawArc2(QPainter& painter, ArcSide side, int x0, int y0, int size, int k) {
    int left = x0 + k;
    int right = x0 + size - k;
    if (left > right)
        std::swap(left, right);
    // Angles in 1/16 degree, counter-clockwise from three o'clock: from the top point down
    // through the requested side to the bottom point.
    const int span = side == ArcSide::Left ? 180 * 16 : -180 * 16;
    painter.drawArc(QRect(left, y0, right - left, size), 90 * 16, span);
}

void Shadow(QPainter& painter, int percent, PhaseState state, bool northernView) {
    const Orientation o = OrientationFor(northernView);
    const int n = static_cast<int>(kArcBoxSize * (1.0 - percent / 100.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kShadowColour, kArcPenWidth));
    painter.setBrush(kShadowColour);

    switch (state) {
    case PhaseState::NewMoon:
        painter.setPen(QPen(kShadowColour, 1));
        painter.drawEllipse(QRect(o.X0 - 1, o.Y0 - 1, kArcBoxSize + 2, kArcBoxSize + 2));
        break;
    case PhaseState::WaningCrescent:
        Crescent(painter, o, o.Waning, o.Waxing, n);
        break;
    case PhaseState::LastQuarter:
        if (percent >= 50)
            DrawArcs(painter, o, o.Waning, 0, n - 1);
        else
            Crescent(painter, o, o.Waning, o.Waxing, n);
        break;
    case PhaseState::WaningGibbous:
        DrawArcs(painter, o, o.Waning, 0, n - 1);
        break;
    case PhaseState::WaxingGibbous:
        DrawArcs(painter, o, o.Waxing, 0, n);
        break;
    case PhaseState::FirstQuarter:
        if (percent >= 50)
            DrawArcs(painter, o, o.Waxing, 0, n);
        else
            Crescent(painter, o, o.Waxing, o.Waning, n);
        break;
    case PhaseState::WaxingCrescent:
        Crescent(painter, o, o.Waxing, o.Waning, n);
        break;
    case PhaseState::FullMoon: // no shadow
        break;
    }
}

QImage TurnedHalfway(const QImage& image) {
    return image.mirrored(true, true);
}

} // namespace selvane
