// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tabout.h"

#include "core/product.h"
#include "widgets/hotspotlabel.h"

namespace selvane {

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

void TAbout::showEvent(QShowEvent* event) {
    centreOnMainWindow(); // FormShow
    BorderlessWindow::showEvent(event);
}

} // namespace selvane
