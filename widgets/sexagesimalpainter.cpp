// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/sexagesimalpainter.h"

#include "core/utf8text.h"

#include <QFontMetrics>
#include <QPainter>

namespace selvane {

void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + QFontMetrics(painter.font()).ascent()), text);
}

void DrawSexagesimal(QPainter& painter, SexagesimalMode mode, int rightX, int y, double value) {
    const SexagesimalPieces pieces = MakeSexagesimal(mode, value);
    const QFontMetrics metrics(painter.font());
    for (std::size_t i = 0; i < pieces.Text.size(); ++i) {
        const QString text = FromUtf8(pieces.Text[i]);
        const int right = rightX + pieces.RightOffset[i];
        DrawTextAt(painter, right - metrics.horizontalAdvance(text), y, text);
    }
}

} // namespace selvane
