// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The month picker: twelve stacked buttons in one picture, opened below the calendar heading.

#include <QDialog>
#include <QString>

#include <array>

class QLabel;

namespace selvane {

class TMonthSelect : public QDialog {
    Q_OBJECT

public:
    // `monthNames`: the locale's names standing alone, January first, as the buttons show them
    // (the picture's own English ones when they are those).
    TMonthSelect(QWidget* mainWindow, const std::array<QString, 12>& monthNames);
    ~TMonthSelect() override;

    static constexpr int kRowHeight = 29;

    QLabel* imgMonths;
    QLabel* imgArrow;

    // Moves the arrow to the row under y (picture coordinates).
    void imgMonthsMouseMove(int y);
    // Picks the month under y; the dialog closes on the release of the same click.
    void imgMonthsMouseDown(int y);
    // A month picked as a click on its row picks it: the month, then the picker closes.
    void PickMonth(int month);
    // The name on month 1..12's row of the picture.
    QString monthName(int month) const;

signals:
    // Month 1..12 picked with the mouse.
    void monthPicked(int month);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    QWidget* m_mainWindow;
    std::array<QString, 12> m_monthNames;
};

} // namespace selvane
