// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/borderlesswindow.h"

namespace selvane {

class HotSpotLabel;

// The about window: a picture with the program's name and maker, the version and the home
// page, closed by its drawn close mark (or Esc). Shown modally, centred on the main window.
class TAbout : public BorderlessWindow {
    Q_OBJECT

public:
    explicit TAbout(QWidget* mainWindow);

    HotSpotLabel* lblExit;

    void lblExitClick();

protected:
    void showEvent(QShowEvent* event) override;
    // The picture, then the version and the home page, which come from the build.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace selvane
