// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The links window: a column of nine picture rows dropping down from the links icon, two
// headings and seven links to pages about the Moon. It closes when a link is chosen or when
// another window becomes active.

#include "widgets/borderlesswindow.h"

#include <array>
#include <functional>

class QLabel;

namespace selvane {

class TLunarSites : public BorderlessWindow {
    Q_OBJECT

public:
    explicit TLunarSites(QWidget* mainWindow);

    static constexpr int kRowWidth = 180;
    static constexpr int kRowHeight = 21;

    // The rows from the top down, with their picture names (Image1 .. Image9), the address
    // each link opens (empty for the two headings) and the text of its picture.
    struct Row {
        const char* Name;
        const char* Picture;
        const char* Address;
        const char* Text;
    };
    static const std::array<Row, 9> kRows;

    std::array<QLabel*, 9> Rows{};
    QLabel* imgArrow;

    // Where a chosen link goes; the main window opens it through the desktop.
    std::function<void(const QString&)> openSite;

    // Over row `row` (0 = top): the arrow marks a link row and hides over a heading.
    void RowMouseMove(int row);
    // A click on row `row`: a link opens its page and closes the window; a heading does nothing.
    void RowClick(int row);
    void ShowSite(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace selvane
