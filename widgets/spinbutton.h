// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace selvane {

// An up/down pair of arrow buttons in one small control (15 x 19 in the settings windows),
// with no value of its own: each half reports its clicks. Held down, a half repeats like a
// keyboard key; with the focus, the Up and Down keys click the halves.
class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    // The label that shows the value the arrows step: a screen reader reads it with the
    // button's accessible name ("Latitude direction North") and hears when it changes.
    void setValueLabel(QLabel* label) { m_valueLabel = label; }
    QLabel* valueLabel() const { return m_valueLabel; }
    // A click of either half, as a screen reader's increase and decrease actions give it.
    void stepUp();
    void stepDown();

signals:
    void upClicked();
    void downClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Half { None, Up, Down };
    void fire(Half half);

    Half m_pressed = Half::None;
    QTimer m_repeat;
    QPointer<QLabel> m_valueLabel;
};

} // namespace selvane
