// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/mainlayout.h"

#include "widgets/resources.h"
#include "widgets/sexagesimalpainter.h"
#include "widgets/widgetstyle.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace selvane {

namespace {

constexpr int kLabelPixels = 12;   // the panels' texts
constexpr int kSurfacePixels = 12; // 9 point at 96 dpi: the values painted on the window
constexpr int kStatusPixels = 15;  // the status strip's
const QColor kBlackInk(Qt::black);
const QPoint kWindowPosition(135, 120);

// Fixed captions, marked for translation in the main window's context; a name is given where a
// later step rewrites the caption. Room: the pixels the caption's text may take (SetTextRoom):
// up to the value or caption after it, or up to the first ink of the values the tick paints
// there, less 3 pixels.
struct Caption {
    const char* Name;
    const char* Text;
    int X, Y;
    const QColor* Colour;
    int Pixels;
    bool Bold;
    int Room;
};
constexpr Caption kCaptions[] = {
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Visible:"), 187, 82, &kYellow, 12, false, 54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Age:"), 187, 98, &kYellow, 12, false, 54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Distance:"), 187, 114, &kYellow, 12, false,
     54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "RA:"), 187, 139, &kYellow, 12, false, 54},
    // A negative declination's sign stands at x 236.
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Dec:"), 187, 153, &kYellow, 12, false, 46},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Parallax:"), 187, 167, &kYellow, 12, false,
     54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Diameter:"), 187, 181, &kYellow, 12, false,
     54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Apogee:"), 187, 206, &kYellow, 12, false, 54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Perigee:"), 187, 222, &kYellow, 12, false,
     54},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Sunrise:"), 27, 291, &kBlackInk, 12, true,
     51},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Transit:"), 27, 307, &kBlackInk, 12, true,
     51},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Sunset:"), 27, 323, &kBlackInk, 12, true, 51},
    {"lblRSTitle1", QT_TRANSLATE_NOOP("selvane::TSelvane", "MoonRise:"), 149, 291, &kBlackInk, 12,
     true, 63},
    {"lblRSTitle2", QT_TRANSLATE_NOOP("selvane::TSelvane", "Transit:"), 149, 307, &kBlackInk, 12,
     true, 63},
    {"lblRSTitle3", QT_TRANSLATE_NOOP("selvane::TSelvane", "MoonSet:"), 149, 323, &kBlackInk, 12,
     true, 63},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Civil:"), 27, 410, &kBlackInk, 12, true, 96},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Nautical:"), 27, 426, &kBlackInk, 12, true,
     96},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Astronomical:"), 27, 442, &kBlackInk, 12,
     true, 96},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Start"), 126, 386, &kBlackInk, 13, true, 86},
    // Up to the panel's right edge at x 262.
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "End"), 215, 386, &kBlackInk, 13, true, 44},
    // The data panel's values: the first digit of an azimuth or a position angle at x 320, an
    // altitude's sign at x 315, the phase angle's first digit at x 320.
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Az.:"), 287, 291, &kAqua, 12, false, 30},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Alt.:"), 287, 307, &kAqua, 12, false, 25},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Az.:"), 287, 394, &kAqua, 12, false, 30},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Alt.:"), 287, 410, &kAqua, 12, false, 25},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "PA:"), 287, 426, &kAqua, 12, false, 30},
    {nullptr, QT_TRANSLATE_NOOP("selvane::TSelvane", "Ph.A:"), 287, 442, &kAqua, 12, false, 30},
};

// Value labels, emptied at start-up and rewritten by every tick. The room of those that show
// words or a time ("None" in the user's language) reaches up to the next caption or value, or
// up to the panel's edge (the Moon panel's at x 400, the phases' at x 626, the rise and set
// and twilight panels' at x 262), less 3 pixels; 0 for the numbers.
struct ValueLabel {
    const char* Name;
    int X, Y;
    const QColor* Colour;
    int Room;
};
constexpr ValueLabel kValueLabels[] = {
    {"lblVisible", 244, 82, &kAqua, 0},
    {"lblAOM", 244, 98, &kAqua, 150},
    {"lblDistance", 244, 114, &kAqua, 0},
    {"lblApogeeDate", 244, 208, &kAqua, 0},
    {"lblApogeeDist", 326, 208, &kAqua, 0},
    {"lblPerigeeDate", 244, 222, &kAqua, 0},
    {"lblPerigeeDist", 326, 222, &kAqua, 0},
    {"lblRA", 244, 139, &kAqua, 0},
    {"lblDec", 244, 153, &kAqua, 0},
    {"lblParallax", 244, 167, &kAqua, 0},
    {"lblPh1Time", 464, 89, &kAqua, 158},
    {"lblPh2Time", 464, 119, &kAqua, 158},
    {"lblPh3Time", 464, 149, &kAqua, 158},
    {"lblPh4Time", 464, 180, &kAqua, 158},
    {"lblPh5Time", 464, 213, &kAqua, 158},
    {"lblRSValue1", 215, 291, &kLightYellow, 44},
    {"lblRSValue2", 215, 307, &kLightYellow, 44},
    {"lblRSValue3", 215, 323, &kLightYellow, 44},
    {"lblSunrise", 81, 291, &kLightYellow, 65},
    {"lblSunTransit", 81, 307, &kLightYellow, 65},
    {"lblSunset", 81, 323, &kLightYellow, 65},
    {"lblCivilStart", 126, 410, &kLightYellow, 86},
    {"lblNauticalStart", 126, 426, &kLightYellow, 86},
    {"lblAstroStart", 126, 442, &kLightYellow, 86},
    {"lblCivilEnd", 215, 410, &kLightYellow, 44},
    {"lblNauticalEnd", 215, 426, &kLightYellow, 44},
    {"lblAstroEnd", 215, 442, &kLightYellow, 44},
};

} // namespace

QPoint MainWindowPosition(const QRect& available) {
    // Kept from the left and the bottom first, so that the right and the top edges win.
    const int x = std::min(std::max(kWindowPosition.x(), available.left()),
                           available.right() + 1 - kWindowSize.width());
    const int y =
        std::max(std::min(kWindowPosition.y(), available.bottom() + 1 - kWindowSize.height()),
                 available.top());
    return {x, y};
}

void PaintMoonPlace(QPainter& painter, const MoonPlace& place) {
    painter.setFont(SurfaceFont());
    painter.setPen(kAqua);
    painter.setBackground(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    DrawSexagesimal(painter, SexagesimalMode::Time, 268, 139, place.RAHours);
    DrawSexagesimal(painter, SexagesimalMode::Angle, 268, 153, place.Dec);
    DrawSexagesimal(painter, SexagesimalMode::Angle, 268, 167, place.Parallax);
    DrawSexagesimal(painter, SexagesimalMode::Angle, 268, 181, place.Diameter);
}

QFont SurfaceFont() {
    return ArialPixels(kSurfacePixels);
}

void SetCaption(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
        label->adjustSize();
    }
}

QHash<QString, QLabel*> CreateMainLabels(QWidget* window) {
    QHash<QString, QLabel*> named;
    for (const Caption& c : kCaptions) {
        auto* l = new QLabel(QCoreApplication::translate("selvane::TSelvane", c.Text), window);
        SetTextRoom(l, c.Room);
        if (c.Name) {
            l->setObjectName(QString::fromLatin1(c.Name));
            named.insert(l->objectName(), l);
        }
        l->setFont(ArialPixels(c.Pixels, c.Bold));
        SetTextColour(l, *c.Colour);
        l->adjustSize();
        l->move(c.X, c.Y);
    }
    for (const ValueLabel& v : kValueLabels) {
        auto* l = new QLabel(window);
        l->setObjectName(QString::fromLatin1(v.Name));
        named.insert(l->objectName(), l);
        l->setFont(ArialPixels(kLabelPixels));
        SetTextColour(l, *v.Colour);
        if (v.Room > 0)
            SetTextRoom(l, v.Room);
        l->move(v.X, v.Y);
        l->resize(0, 0);
    }
    for (const char* name : {"lblTextPhase", "lblLST"}) {
        auto* l = new QLabel(window);
        l->setObjectName(QString::fromLatin1(name));
        // Screen readers read the strip's painted texts from the window; a name of their own
        // keeps these hidden labels, whose texts change every second, from telling them.
        l->setAccessibleName(QString::fromLatin1(name));
        named.insert(l->objectName(), l);
        l->setFont(ArialPixels(kStatusPixels, true));
        SetTextColour(l, kNavy);
        l->hide();
    }
    return named;
}

QImage OpaquePicture(const char* resource) {
    return LoadPicture(QString::fromLatin1(resource)).convertToFormat(QImage::Format_RGB32);
}

std::array<QImage, 5> PhaseIcons() {
    const char* icons[] = {":/phase_new.png", ":/phase_firstquarter.png", ":/phase_full.png",
                           ":/phase_lastquarter.png", ":/phase_blank.png"};
    std::array<QImage, 5> pictures;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        pictures[i] = OpaquePicture(icons[i]);
    return pictures;
}

QImage ComposeDataPanel(const QImage& background, const QImage& panel) {
    QImage composed = BlankPicture(QSize(kDataPanel.width() + kPanelSignRoom, kDataPanel.height()),
                                   panel.devicePixelRatio());
    QPainter p(&composed);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The source rectangle is in the background's own pixels.
    const QRectF strip(kDataPanel.x() - kPanelSignRoom, kDataPanel.y(), kPanelSignRoom,
                       kDataPanel.height());
    const qreal backgroundRatio = background.devicePixelRatio();
    p.drawImage(QRectF(QPointF(0, 0), strip.size()), background,
                QRectF(strip.topLeft() * backgroundRatio, strip.size() * backgroundRatio));
    p.drawImage(QPointF(kPanelSignRoom, 0), panel);
    return composed;
}

QString StatusText(const ClockTime& time, const QString& monthName, const QString& phaseName) {
    return StatusTime(time) + QStringLiteral("  ") + StatusDate(time, monthName) +
           QStringLiteral(" -") + phaseName;
}

QString StatusTime(const ClockTime& time) {
    return QStringLiteral("%1:%2:%3")
        .arg(time.Hour, 2, 10, QChar('0'))
        .arg(time.Minute, 2, 10, QChar('0'))
        .arg(time.Second, 2, 10, QChar('0'));
}

QString StatusDate(const ClockTime& time, const QString& monthName) {
    //: A date in the status strip: the day, the month's name and the year.
    return QCoreApplication::translate("selvane::TSelvane", "%1 %2 %3")
        .arg(QString::number(time.Day), monthName,
             QStringLiteral("%1").arg(time.Year, 4, 10, QChar('0')));
}

QImage ComposeStatusStrip(const QImage& gradient, qreal ratio, const QFont& font,
                          const QString& status, const QString& siderealTime) {
    QImage strip = PictureAt(gradient, ratio);
    QPainter p(&strip);
    p.setFont(font);
    p.setPen(kNavy);
    const QFontMetrics metrics(p.font());
    DrawTextAt(p, (kStatusBandWidth - metrics.horizontalAdvance(status)) / 2 + 20, 4, status);
    DrawTextAt(p, (kSiderealBandWidth - metrics.horizontalAdvance(siderealTime)) / 2 + 422, 4,
               siderealTime);
    return strip;
}

} // namespace selvane
