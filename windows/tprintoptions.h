// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The print options window, shown before the month's calendar is printed: which parts the
// page carries and how dark the printed daily shadows are. Its OK button stores the choices
// in the record and then in the store.

#include "widgets/borderlesswindow.h"

class QCheckBox;
class QLabel;

namespace selvane {

class HotSpotLabel;
class SettingsStore;
class SpinButton;
struct Settings;

class TPrintOptions : public BorderlessWindow {
    Q_OBJECT

public:
    TPrintOptions(Settings& record, SettingsStore& store, QWidget* mainWindow);

    HotSpotLabel* lblTitle; // moves the window by its drawn title
    QCheckBox* chkDailyPhases;
    QCheckBox* chkMajorPhases;
    QCheckBox* chkLunarTimes;
    QCheckBox* chkSolarTimes;
    QLabel* pnlPhaseDensity; // the density 0..100 as a plain number
    SpinButton* SpinButton1;
    HotSpotLabel* lblOK;

    // Centres the window on the main window.
    void FormShow();
    // Fills the controls from the record.
    void FormActivate();
    // Step the density by one within 0..100.
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    // Stores the choices in the record, then in the store ("Error reading registry" when
    // that fails; the record keeps them), and closes the window.
    void lblOKClick();

    // What exec() returns when Esc closed the window: nothing was stored, and nothing is to
    // be printed. Any other way of closing prints.
    static constexpr int Cancelled = 2;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    int density() const;

    Settings& m_record;
    SettingsStore& m_store;
};

} // namespace selvane
