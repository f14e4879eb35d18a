// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/moondisc.h"

#include "core/moontexts.h"
#include "widgets/shadowpainter.h"

#include <QImage>
#include <QPainter>

#include <array>

namespace selvane {

namespace {

const QColor kShadowColour(30, 30, 30);
constexpr int kArcBoxSize = 151;       // the arcs' box, a pixel larger than the picture
constexpr int kHalf = kArcBoxSize / 2; // 75

} // namespace

QString PhaseStateName(PhaseState state) {
    return QLatin1Char(' ') + PhaseStateText(state);
}

void Shadow(QPainter& painter, int percent, PhaseState state, bool northernView) {
    // The arcs' box lies a pixel above the picture seen from the north and a pixel left of it
    // seen from the south, the picture being turned.
    const ShadowFrame frame{northernView ? QPoint(0, -1) : QPoint(-1, 0), kArcBoxSize, 0, 0};
    const ShadowSide waning = northernView ? ShadowSide::Right : ShadowSide::Left;
    const ShadowSide waxing = northernView ? ShadowSide::Left : ShadowSide::Right;
    const int n = static_cast<int>(kArcBoxSize * (1.0 - percent / 100.0)); // arcs of shadow
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The whole of the dark side and, from the centre line outwards, a lens on the other.
    auto crescent = [&](ShadowSide dark, ShadowSide other) {
        PaintShadow(painter, frame, kShadowColour, {{dark, 0, kHalf + 1}, {other, kHalf, n}}, true);
    };
    switch (state) {
    case PhaseState::NewMoon:
        painter.setPen(QPen(kShadowColour, 1));
        painter.setBrush(kShadowColour);
        painter.drawEllipse(ShadowDisc(frame));
        break;
    case PhaseState::WaningCrescent:
        crescent(waning, waxing);
        break;
    case PhaseState::LastQuarter:
        if (percent >= 50)
            PaintShadow(painter, frame, kShadowColour, {{waning, 0, n - 1}});
        else
            crescent(waning, waxing);
        break;
    case PhaseState::WaningGibbous:
        PaintShadow(painter, frame, kShadowColour, {{waning, 0, n - 1}});
        break;
    case PhaseState::FullMoon: // no shadow
        break;
    case PhaseState::WaxingGibbous:
        PaintShadow(painter, frame, kShadowColour, {{waxing, 0, n}});
        break;
    case PhaseState::FirstQuarter:
        if (percent >= 50)
            PaintShadow(painter, frame, kShadowColour, {{waxing, 0, n}});
        else
            crescent(waxing, waning);
        break;
    case PhaseState::WaxingCrescent:
        crescent(waxing, waning);
        break;
    }
}

QImage TurnedHalfway(const QImage& image) {
    return image.mirrored(true, true);
}

} // namespace selvane
