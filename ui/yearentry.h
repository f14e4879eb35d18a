// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The year heading turned into a four-digit entry field with a blinking caret.

#include "widgets/hotspotlabel.h"

#include <QLabel>
#include <QTimer>

namespace selvane {

class YearEntry : public QObject {
    Q_OBJECT

public:
    // The entry stands over the year `heading`, which is hidden with its `shadow` while the
    // entry is open.
    YearEntry(QWidget* window, QLabel* heading, QLabel* shadow);

    // Opens the entry with the heading's text; opening it again starts over.
    void open();
    // Closes the entry and shows the heading again, with `headingText` when one is given.
    void close(const QString& headingText = QString());
    bool isOpen() const { return Cursor->isActive(); }

    QString text() const { return lblEditYear->text(); }
    // Appends a digit unless the entry already holds four.
    void appendDigit(QChar digit);
    // Removes the last character; false when the entry was already empty.
    bool backspace();

    // What a key does to the open entry: a digit of the main keyboard is typed and Backspace
    // takes one back (Empty when there was none); Enter and Esc are the caller's to act on.
    enum class Key { Other, Typed, Empty, Enter, Escape };
    Key keyDown(int key, Qt::KeyboardModifiers modifiers);

    HotSpotLabel* lblEditYear;
    QLabel* imgEditYear;
    QLabel* lblCursor;
    QTimer* Cursor;

private:
    void CursorTimer();
    void setText(const QString& text);

    QLabel* m_heading;
    QLabel* m_shadow;
};

} // namespace selvane
