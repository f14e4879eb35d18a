// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tlunarsites.h"

#include "widgets/accessibility.h"
#include "widgets/resources.h"
#include "windows/windowaccessibility.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace selvane {

namespace {

constexpr int kArrowLeft = 6;
constexpr int kLinksLeft = 102; // the links icon's left in the main window
constexpr int kDropTop = 40;    // below the main window's title strip

} // namespace

const std::array<TLunarSites::Row, 9> TLunarSites::kRows = {{
    {"Image1", ":/links_heading_resources.png", "", QT_TR_NOOP("Lunar Resources")},
    {"Image2", ":/links_nssdc.jpg", "https://nssdc.gsfc.nasa.gov/planetary/planets/moonpage.html",
     QT_TR_NOOP("NSSDC: The Moon")},
    {"Image4", ":/links_inconstant.jpg", "https://www.timeanddate.com/astronomy/moon/distance.html",
     QT_TR_NOOP("Inconstant Moon")},
    {"Image5", ":/links_domes.jpg", "https://en.wikipedia.org/wiki/Lunar_dome",
     QT_TR_NOOP("The Lure of Lunar Domes")},
    {"Image6", ":/links_eclipse.jpg", "https://eclipse.gsfc.nasa.gov/lunar.html",
     QT_TR_NOOP("Lunar Eclipse Observer")},
    {"Image7", ":/links_heading_missions.png", "", QT_TR_NOOP("Missions")},
    {"Image8", ":/links_apollo.jpg", "https://www.lpi.usra.edu/lunar/missions/apollo/",
     QT_TR_NOOP("Apollo Landing Sites")},
    {"Image3", ":/links_prospector.jpg", "https://science.nasa.gov/mission/lunar-prospector/",
     QT_TR_NOOP("Lunar Prospector Mission")},
    {"Image9", ":/links_clementine.jpg", "https://science.nasa.gov/mission/clementine/",
     QT_TR_NOOP("Clementine Mission")},
}};

TLunarSites::TLunarSites(QWidget* mainWindow)
    // A popup: a click anywhere outside it closes it, with a window manager or without one.
    : BorderlessWindow(mainWindow, QStringLiteral("TLunarSites"), QString(), Qt::Popup)
    , imgArrow(new QLabel(this)) {
    InstallWindowsAccessibility();
    ForgetAccessibleInterface(this); // one made while the base class was built
    setAccessibleName(tr("Links"));
    setFixedSize(kRowWidth, kRowHeight * static_cast<int>(kRows.size()));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        auto* row = new QLabel(this);
        row->setObjectName(QString::fromLatin1(kRows[i].Name));
        ShowPicture(row, LoadPixmap(QString::fromLatin1(kRows[i].Picture)));
        row->setGeometry(0, kRowHeight * static_cast<int>(i), kRowWidth, kRowHeight);
        row->setMouseTracking(true);
        row->installEventFilter(this);
        if (*kRows[i].Address)
            row->setCursor(Qt::PointingHandCursor);
        Rows[i] = row;
    }
    imgArrow->setObjectName(QStringLiteral("imgArrow"));
    ShowPicture(imgArrow, LoadPixmap(QStringLiteral(":/links_arrow.png")));
    imgArrow->setGeometry(kArrowLeft, 0, 15, kRowHeight);
    imgArrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgArrow->hide();
    imgArrow->raise();
}

void TLunarSites::RowMouseMove(int row) {
    const bool link = *kRows[static_cast<std::size_t>(row)].Address != '\0';
    imgArrow->setVisible(link);
    if (link)
        imgArrow->move(kArrowLeft, Rows[static_cast<std::size_t>(row)]->y());
}

void TLunarSites::RowClick(int row) {
    const QString address = QString::fromLatin1(kRows[static_cast<std::size_t>(row)].Address);
    if (!address.isEmpty())
        ShowSite(address);
}

void TLunarSites::ShowSite(const QString& address) {
    if (openSite)
        openSite(address);
    close();
}

bool TLunarSites::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (watched != Rows[i])
            continue;
        if (event->type() == QEvent::MouseMove)
            RowMouseMove(static_cast<int>(i));
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                 Rows[i]->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            RowClick(static_cast<int>(i));
    }
    return BorderlessWindow::eventFilter(watched, event);
}

void TLunarSites::showEvent(QShowEvent* event) {
    // FormShow: dropped down from the links icon.
    move(mainWindow()->x() + kLinksLeft, mainWindow()->y() + kDropTop);
    imgArrow->hide();
    BorderlessWindow::showEvent(event);
    activateWindow();
}

void TLunarSites::changeEvent(QEvent* event) {
    // FormDeactivate: another window took the focus.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        close();
    BorderlessWindow::changeEvent(event);
}

} // namespace selvane
