// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tmonthselect.h"

#include "widgets/accessibility.h"
#include "widgets/picturewords.h"
#include "widgets/resources.h"
#include "windows/windowaccessibility.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace selvane {

namespace {

constexpr int kPickerOffsetX = 582; // from the main window's left
constexpr int kPickerOffsetY = 50;  // from its top
constexpr int kArrowLeft = 9;
constexpr int kArrowRowOffset = 6;

// Clamps a window's start so that [start, start + size) stays within [0, limit).
int Clamp(int start, int size, int limit) {
    if (start + size > limit)
        start = limit - size;
    return std::max(start, 0);
}

} // namespace

TMonthSelect::TMonthSelect(QWidget* mainWindow, const std::array<QString, 12>& monthNames)
    : QDialog(mainWindow, Qt::FramelessWindowHint | Qt::Dialog)
    , imgMonths(new QLabel(this))
    , imgArrow(new QLabel(imgMonths))
    , m_mainWindow(mainWindow)
    , m_monthNames(monthNames) {
    InstallWindowsAccessibility();
    ForgetAccessibleInterface(this); // one made while the base class was built
    setObjectName(QStringLiteral("TMonthSelect"));
    setAccessibleName(tr("Months"));
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    imgMonths->setObjectName(QStringLiteral("imgMonths"));
    const QString picture = QStringLiteral(":/monthpicker.jpg");
    QStringList names(monthNames.begin(), monthNames.end());
    QStringList english;
    for (const PictureWord& word : PictureWords(picture))
        english << QString::fromLatin1(word.Text);
    ShowPicture(imgMonths, names == english ? LoadPixmap(picture)
                                            : QPixmap::fromImage(PictureWithWords(
                                                  picture, names, qGuiApp->devicePixelRatio())));
    imgMonths->resize(100, 12 * kRowHeight);
    imgMonths->setMouseTracking(true);
    imgMonths->installEventFilter(this);
    setFixedSize(imgMonths->size());

    imgArrow->setObjectName(QStringLiteral("imgArrow"));
    ShowPicture(imgArrow, LoadPixmap(QStringLiteral(":/arrow.png")));
    imgArrow->resize(13, 17);
    imgArrow->move(106, 96); // outside the picture until the mouse first moves
    imgArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TMonthSelect::~TMonthSelect() {
    ReleaseAccessibility(this);
}

void TMonthSelect::imgMonthsMouseMove(int y) {
    imgArrow->move(kArrowLeft, std::clamp(y / kRowHeight, 0, 11) * kRowHeight + kArrowRowOffset);
}

void TMonthSelect::imgMonthsMouseDown(int y) {
    emit monthPicked(std::clamp(y / kRowHeight, 0, 11) + 1);
}

void TMonthSelect::PickMonth(int month) {
    imgMonthsMouseDown((std::clamp(month, 1, 12) - 1) * kRowHeight);
    accept();
}

QString TMonthSelect::monthName(int month) const {
    return m_monthNames[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)];
}

bool TMonthSelect::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgMonths) {
        switch (event->type()) {
        case QEvent::MouseMove:
            imgMonthsMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().y());
            return true;
        case QEvent::MouseButtonPress:
            imgMonthsMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint().y());
            return true;
        case QEvent::MouseButtonRelease:
            accept(); // imgMonthsClick: the click that picked the month closes the picker
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMonthSelect::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TMonthSelect::FormShow() {
    const QScreen* screen = m_mainWindow->screen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    move(Clamp(m_mainWindow->x() + kPickerOffsetX, width(), screenSize.width()),
         Clamp(m_mainWindow->y() + kPickerOffsetY, height(), screenSize.height()));
}

} // namespace selvane
