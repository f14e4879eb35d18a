// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/sexagesimalpainter.h"

#include "core/utf8text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

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

QRect SexagesimalRect(const QFontMetrics& metrics, SexagesimalMode mode, int rightX, int y,
                      double value) {
    const SexagesimalPieces pieces = MakeSexagesimal(mode, value);
    const int left = rightX - metrics.horizontalAdvance(FromUtf8(pieces.Text[0]));
    return {left, y, rightX + pieces.RightOffset[2] - left, metrics.height()};
}

QString SexagesimalText(SexagesimalMode mode, double value, bool withSeconds) {
    const SexagesimalPieces pieces = MakeSexagesimal(mode, value);
    QStringList shown;
    for (std::size_t i = 0; i < (withSeconds ? 3u : 2u); ++i)
        shown << FromUtf8(pieces.Text[i]).simplified();
    // The sign stands apart from the number to line the columns up: "-    5º".
    return SpokenDegrees(shown.join(u' ').replace(QStringLiteral("- "), QStringLiteral("-")));
}

QString SpokenDegrees(QString text) {
    return text.replace(QChar(0x00BA), QChar(0x00B0));
}

} // namespace selvane
