// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tabout.h"

#include "core/product.h"
#include "widgets/hotspotlabel.h"
#include "widgets/widgetstyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace selvane {

namespace {

const QColor kVersionInk(200, 210, 232);

// Draws `text` with the middle of its ink at (cx, cy), as the picture's own lines are set.
void DrawCentred(QPainter& painter, int cx, int cy, const QString& text) {
    const QRect ink = QFontMetrics(painter.font()).tightBoundingRect(text);
    painter.drawText(cx - ink.width() / 2 - ink.left(), cy - ink.height() / 2 - ink.top(), text);
}

} // namespace

TAbout::TAbout(QWidget* mainWindow)
    : BorderlessWindow(mainWindow, QStringLiteral("TAbout"), QStringLiteral(":/about.jpg"))
    , lblExit(addHotSpot("lblExit", QRect(185, 12, 15, 15))) {
    setModal(true);
    // The picture's text for screen readers.
    setAccessibleName(tr("About Selvane"));
    setAccessibleDescription(tr("%1 %2").arg(QLatin1String(kProductName), VersionLabel()));
    lblExit->setAccessibleName(tr("Close"));
    connect(lblExit, &HotSpotLabel::clicked, this, &TAbout::lblExitClick);
}

void TAbout::lblExitClick() {
    close();
}

void TAbout::paintEvent(QPaintEvent* event) {
    BorderlessWindow::paintEvent(event);
    QPainter painter(this);
    painter.setFont(ArialPixels(11));
    painter.setPen(kVersionInk);
    DrawCentred(painter, 122, 58, tr("Version %1").arg(QLatin1String(kVersion)));
    painter.setPen(kAqua);
    DrawCentred(painter, width() / 2, 138, HomePageHost());
}

void TAbout::showEvent(QShowEvent* event) {
    centreOnMainWindow(); // FormShow
    BorderlessWindow::showEvent(event);
}

} // namespace selvane
