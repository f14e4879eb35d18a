// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/yearentry.h"

#include "widgets/accessibility.h"
#include "widgets/resources.h"
#include "widgets/widgetstyle.h"

namespace selvane {

namespace {

constexpr int kMaxDigits = 4;

} // namespace

YearEntry::YearEntry(QWidget* window, QLabel* heading, QLabel* shadow)
    : QObject(window)
    , lblEditYear(new HotSpotLabel(window))
    , imgEditYear(new QLabel(window))
    , lblCursor(new QLabel(QStringLiteral("| "), window))
    , Cursor(new QTimer(this))
    , m_heading(heading)
    , m_shadow(shadow) {
    imgEditYear->setObjectName(QStringLiteral("imgEditYear"));
    ShowPicture(imgEditYear, LoadPixmap(QStringLiteral(":/yearbox.png")));
    imgEditYear->resize(60, 29);
    imgEditYear->hide();
    lblEditYear->raise(); // the digits stand on the box

    lblEditYear->setObjectName(QStringLiteral("lblEditYear"));
    lblEditYear->setFont(ArialPixels(19, true));
    lblEditYear->hide();
    // A screen reader reads the entry as a field with its digits, "Year 2024".
    SetValueCaption(lblEditYear, tr("Year"), QAccessible::EditableText);
    lblEditYear->setAccessibleDescription(
        tr("Four digits; Enter takes the year, Escape keeps the one shown"));

    lblCursor->setObjectName(QStringLiteral("lblCursor"));
    lblCursor->setFont(ArialPixels(17, false));
    lblCursor->setAttribute(Qt::WA_TranslucentBackground);
    lblCursor->adjustSize();
    lblCursor->hide();

    SetTextColour(lblEditYear, Qt::black);
    SetTextColour(lblCursor, Qt::black);

    Cursor->setObjectName(QStringLiteral("Cursor"));
    Cursor->setInterval(250);
    connect(Cursor, &QTimer::timeout, this, &YearEntry::CursorTimer);
}

void YearEntry::open() {
    m_heading->hide();
    m_shadow->hide();
    setText(m_heading->text());
    lblEditYear->move(m_heading->pos());
    imgEditYear->move(lblEditYear->x() - (imgEditYear->width() - lblEditYear->width()) / 2,
                      lblEditYear->y() - (imgEditYear->height() - lblEditYear->height()) / 2);
    imgEditYear->show();
    lblEditYear->show();
    imgEditYear->raise();
    lblEditYear->raise();
    lblCursor->raise();
    Cursor->start();
}

void YearEntry::close(const QString& headingText) {
    Cursor->stop();
    lblCursor->hide();
    lblEditYear->hide();
    imgEditYear->hide();
    for (QLabel* l : {m_heading, m_shadow}) {
        if (!headingText.isNull()) {
            l->setText(headingText);
            l->adjustSize();
        }
        l->show();
    }
}

YearEntry::Key YearEntry::keyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Backspace)
        return backspace() ? Key::Typed : Key::Empty;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return Key::Enter;
    if (key == Qt::Key_Escape)
        return Key::Escape;
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier)) {
        appendDigit(QChar('0' + (key - Qt::Key_0)));
        return Key::Typed;
    }
    return Key::Other;
}

void YearEntry::appendDigit(QChar digit) {
    if (text().size() < kMaxDigits)
        setText(text() + digit);
}

bool YearEntry::backspace() {
    if (text().isEmpty())
        return false;
    setText(text().chopped(1));
    return true;
}

void YearEntry::setText(const QString& text) {
    lblEditYear->setText(text);
    lblEditYear->adjustSize();
}

void YearEntry::CursorTimer() {
    lblCursor->move(lblEditYear->x() + lblEditYear->width(), lblEditYear->y());
    lblCursor->setVisible(!lblCursor->isVisible());
}

} // namespace selvane
