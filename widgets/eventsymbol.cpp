// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/eventsymbol.h"

#include "widgets/widgetstyle.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace selvane {

namespace {

struct Inks {
    QColor Moon;     // the Moon's lit disc
    QColor Shadow;   // the Earth's umbra on the Moon
    QColor Penumbra; // the Moon in the penumbra
    QColor Sun;      // the Sun's disc and corona
    QColor DarkMoon; // the Moon in front of the Sun
    QColor Blue;     // a blue moon
    QColor Super;    // a supermoon
    bool Outline;    // a black rim round every disc
};

const Inks kScreen{
    kLightYellow,       QColor(200, 80, 40),  QColor(150, 142, 112), QColor(255, 190, 0),
    QColor(16, 16, 16), QColor(90, 150, 255), QColor(Qt::white),     false};
const Inks kPaper{QColor(Qt::white), QColor(96, 96, 96),   QColor(200, 200, 200), QColor(Qt::white),
                  QColor(Qt::black), QColor(60, 110, 220), QColor(Qt::white),     true};

// A disc of `radius` fractions of the box's width about the box's centre.
QRectF Disc(const QRectF& box, double radius) {
    const QPointF c = box.center();
    const double r = box.width() * radius;
    return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

} // namespace

void PaintEventSymbol(QPainter& painter, const QRectF& box, EventSymbol symbol, SymbolInk ink) {
    const Inks& k = ink == SymbolInk::Paper ? kPaper : kScreen;
    const double s = box.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen rim = k.Outline ? QPen(Qt::black, s / 24.0) : QPen(Qt::NoPen);
    const QRectF whole = Disc(box, k.Outline ? 0.5 - 1.0 / 48.0 : 0.5);
    QPainterPath wholeDisc;
    wholeDisc.addEllipse(whole);

    auto disc = [&](const QRectF& r, const QColor& fill, const QPen& pen) {
        painter.setPen(pen);
        painter.setBrush(fill);
        painter.drawEllipse(r);
    };
    // A disc of the box's size moved by (dx, dy) widths, drawn inside the whole disc only.
    auto bite = [&](double dx, double dy, double radius, const QColor& fill) {
        painter.save();
        painter.setClipPath(wholeDisc);
        disc(Disc(box.translated(dx * s, dy * s), radius), fill, Qt::NoPen);
        painter.restore();
    };

    switch (symbol) {
    case EventSymbol::TotalLunar:
        disc(whole, k.Shadow, rim);
        break;
    case EventSymbol::PartialLunar:
        // The umbra, larger than the Moon, over its lower left part.
        disc(whole, k.Moon, Qt::NoPen);
        bite(-0.7, 0.3, 0.8, k.Shadow);
        disc(whole, Qt::transparent, rim);
        break;
    case EventSymbol::PenumbralLunar:
        disc(whole, k.Penumbra, rim);
        break;
    case EventSymbol::TotalSolar:
    case EventSymbol::HybridSolar:
        if (k.Outline) {
            // Eight rays of the corona round the black Moon.
            painter.setPen(QPen(Qt::black, s / 16.0, Qt::SolidLine, Qt::RoundCap));
            const QPointF c = box.center();
            for (int i = 0; i < 8; ++i) {
                const double a = i * std::numbers::pi / 4.0;
                const QPointF d(std::cos(a), std::sin(a));
                painter.drawLine(c + d * (0.40 * s), c + d * (0.48 * s));
            }
            disc(Disc(box, 0.32), k.DarkMoon, Qt::NoPen);
        } else {
            disc(whole, k.Sun, Qt::NoPen);
            disc(Disc(box, 0.36), k.DarkMoon, Qt::NoPen);
        }
        break;
    case EventSymbol::AnnularSolar:
        disc(whole, k.Sun, rim);
        disc(Disc(box, k.Outline ? 0.30 : 0.24), k.DarkMoon, Qt::NoPen);
        break;
    case EventSymbol::PartialSolar:
        disc(whole, k.Sun, Qt::NoPen);
        bite(0.35, -0.3, 0.5, k.DarkMoon);
        disc(whole, Qt::transparent, rim);
        break;
    case EventSymbol::Supermoon:
        disc(whole, k.Super, rim);
        if (k.Outline)
            disc(Disc(box, 0.36), Qt::transparent, rim);
        break;
    case EventSymbol::BlueMoon:
        disc(whole, k.Blue, rim);
        break;
    }
    painter.restore();
}

} // namespace selvane
