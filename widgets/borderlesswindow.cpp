// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/borderlesswindow.h"

#include "widgets/accessibility.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/resources.h"
#include "widgets/titledrag.h"

#include <QMessageBox>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace selvane {

BorderlessWindow::BorderlessWindow(QWidget* mainWindow, const QString& name,
                                   const QString& background, Qt::WindowFlags flags)
    : QDialog(mainWindow, flags | Qt::FramelessWindowHint)
    , m_mainWindow(mainWindow) {
    InitResources();
    setObjectName(name);
    setWindowTitle(QStringLiteral("Selvane"));
    if (!background.isEmpty()) {
        m_background = LoadPicture(background);
        setFixedSize(m_background.deviceIndependentSize().toSize());
    }
    showMessage = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Selvane"), text);
    };
}

BorderlessWindow::~BorderlessWindow() {
    ReleaseAccessibility(this); // what the derived window told readers reads its members
}

void BorderlessWindow::centreOnMainWindow() {
    const QRect main = m_mainWindow->geometry();
    move(main.x() + (main.width() - width()) / 2, main.y() + (main.height() - height()) / 2);
}

void BorderlessWindow::moveOnScreen(const QPoint& topLeft) {
    const QRect screen = m_mainWindow->screen()->availableGeometry();
    // The right and bottom edges first, so a window larger than the screen shows its top left.
    move(std::max(std::min(topLeft.x(), screen.right() + 1 - width()), screen.left()),
         std::max(std::min(topLeft.y(), screen.bottom() + 1 - height()), screen.top()));
}

HotSpotLabel* BorderlessWindow::addHotSpot(const char* name, const QRect& geometry,
                                           const char* hint) {
    return AddHotSpot(
        this, {name, geometry.x(), geometry.y(), geometry.width(), geometry.height(), hint});
}

TitleDrag* BorderlessWindow::dragBy(HotSpotLabel* title) {
    return new TitleDrag(this, title);
}

void BorderlessWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // A picture at twice the resolution is scaled on a screen of ratio 1.5.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        p.drawImage(0, 0, m_background);
}

} // namespace selvane
