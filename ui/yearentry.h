#pragma once
// The year heading turned into a four-digit entry field with a blinking caret.

#include "widgets/hotspotlabel.h"

#include <QLabel>
#include <QTimer>

namespace selvane {

class YearEntry : public QObject {
    Q_OBJECT

public:
    explicit YearEntry(QWidget* window);

    // Opens the entry over `heading` with the heading's text; opening it again starts over.
    void open(const QLabel* heading);
    void close();
    bool isOpen() const { return Cursor->isActive(); }

    QString text() const { return lblEditYear->text(); }
    // Appends a digit unless the entry already holds four.
    void appendDigit(QChar digit);
    // Removes the last character; false when the entry was already empty.
    bool backspace();

    HotSpotLabel* lblEditYear;
    QLabel* imgEditYear;
    QLabel* lblCursor;
    QTimer* Cursor;

private:
    void CursorTimer();
    void setText(const QString& text);
};

} // namespace selvane
