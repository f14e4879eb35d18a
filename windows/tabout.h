// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/borderlesswindow.h"

namespace selvane {

class HotSpotLabel;

// The about window: a picture with the program's name, version and maker, closed by its
// drawn close mark (or Esc). Shown modally, centred on the main window.
class TAbout : public BorderlessWindow {
    Q_OBJECT

public:
    explicit TAbout(QWidget* mainWindow);

    HotSpotLabel* lblExit;

    void lblExitClick();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace selvane
