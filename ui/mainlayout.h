// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's fixed layout: where the tick's pictures stand, the command hot spots with
// their hints, the captions and value labels, and the pictures the window composes on.

#include "engine/riseset.h"
#include "engine/timebase.h"
#include "widgets/placement.h"

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

class QFont;
class QLabel;
class QPainter;
class QWidget;

namespace selvane {

// Where the main window opens: its fixed place when the whole window lies there inside the
// screen's available area, else moved just far enough to. On a screen too small for it the
// top edge (the title strip to drag it by) and the right edge (minimise and close, the only
// ones a frameless window has) stay on the screen.
QPoint MainWindowPosition(const QRect& available);

// Where the tick's pictures stand on the window.
inline const QPoint kStatusStripAt(0, 40);
inline const QPoint kMoonAt(26, 86);
// The data panel's picture is composed with a strip of the background on its left: the first
// piece of a value is right-aligned 30 pixels into the panel, and a negative value's sign
// reaches past the panel's edge into the gap after "Az.:" and "Alt.:".
inline constexpr int kPanelSignRoom = 12;
inline const QRect kDataPanel(317, 254, 87, 211);
// The phase icons' column: rows of 30 pixels from the top one.
inline constexpr int kPhaseIconX = 431;
inline constexpr int kPhaseIconTop = 83;
inline constexpr int kPhaseRowStep = 30;

// Command hot spots over the icons of the background, the hemisphere switch last.
inline constexpr Placement kMainHotSpots[] = {
    {"lblPrint", 21, 14, 18, 19, QT_TRANSLATE_NOOP("selvane::TSelvane", "Print Lunar Calendar")},
    {"lblList", 76, 12, 16, 19,
     QT_TRANSLATE_NOOP("selvane::TSelvane", "Display data for the month")},
    {"lblLinks", 102, 14, 19, 19, QT_TRANSLATE_NOOP("selvane::TSelvane", "Homepage")},
    {"lblTitle", 276, 8, 93, 27},
    {"lblVESK", 446, 12, 19, 21, QT_TRANSLATE_NOOP("selvane::TSelvane", "Homepage")},
    {"lblConfig", 479, 12, 18, 21, QT_TRANSLATE_NOOP("selvane::TSelvane", "Configuration")},
    {"lblHelp", 510, 12, 23, 21, QT_TRANSLATE_NOOP("selvane::TSelvane", "Help")},
    {"lblAbout", 542, 12, 19, 21, QT_TRANSLATE_NOOP("selvane::TSelvane", "About Selvane")},
    {"lblMinimise", 590, 14, 17, 15},
    {"lblExit", 612, 14, 17, 15},
    {"imgHemisphere", 47, 11, 22, 24,
     QT_TRANSLATE_NOOP("selvane::TSelvane", "Northern/Southern Hemisphere switch")},
};

// The Sun's altitudes and the labels of their start, transit and end texts.
struct SunRow {
    double Altitude;
    const char* Start;
    const char* Transit;
    const char* End;
};
inline constexpr SunRow kSunRows[] = {
    {kSunriseAltitude, "lblSunrise", "lblSunTransit", "lblSunset"},
    {kCivilTwilight, "lblCivilStart", nullptr, "lblCivilEnd"},
    {kNauticalTwilight, "lblNauticalStart", nullptr, "lblNauticalEnd"},
    {kAstronomicalTwilight, "lblAstroStart", nullptr, "lblAstroEnd"},
};

// The Moon's topocentric place and size as the window paints them left of x 268.
struct MoonPlace {
    double RAHours = 0.0;
    double Dec = 0.0;      // degrees
    double Parallax = 0.0; // degrees
    double Diameter = 0.0; // degrees
};
// Paints them in aqua on black boxes, in the window's surface font.
void PaintMoonPlace(QPainter& painter, const MoonPlace& place);

// The font of the values painted on the window and its data panel: 9 point at 96 dpi.
QFont SurfaceFont();

// A caption that sizes itself to its text.
void SetCaption(QLabel* label, const QString& text);

// Makes the window's fixed captions, its empty value labels and the two hidden labels that
// lend the status strip its texts and font ("lblTextPhase", "lblLST"), and returns those with
// a name by their names.
QHash<QString, QLabel*> CreateMainLabels(QWidget* window);

// A picture for the screen (at twice the resolution on a high-density one), opaque, as the
// window composes on it.
QImage OpaquePicture(const char* resource);

// The phases panel's icons: New Moon, First Quarter, Full Moon, Last Quarter and the blank one.
std::array<QImage, 5> PhaseIcons();

// The data panel's picture: the background's strip left of the panel, then the panel, at the
// panel picture's resolution.
QImage ComposeDataPanel(const QImage& background, const QImage& panel);

// The status strip's text: the time, two spaces, the date with the month's name, " -" and the
// phase's name (which begins with a space), as 21:34:05  6 December 2026 - Waxing Crescent;
// the date is written as the user's language writes one ("6. Dezember 2026").
QString StatusText(const ClockTime& time, const QString& monthName, const QString& phaseName);
// Its time and its date: "21:34:05" and "6 December 2026".
QString StatusTime(const ClockTime& time);
QString StatusDate(const ClockTime& time, const QString& monthName);

// The bands of the status strip the status text and the sidereal time are centred in; a text
// keeps a pixel from each edge.
inline constexpr int kStatusBandWidth = 382;
inline constexpr int kSiderealBandWidth = 200;

// The status strip at device pixel ratio `ratio`: on its gradient, the status text centred in
// the band x 20..402 and the sidereal time in the band x 422..622, in `font` and navy.
QImage ComposeStatusStrip(const QImage& gradient, qreal ratio, const QFont& font,
                          const QString& status, const QString& siderealTime);

} // namespace selvane
