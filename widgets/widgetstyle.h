// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fonts, colours and the window size shared by the windows and the printed pages.

#include <QColor>
#include <QFont>
#include <QProxyStyle>
#include <QSize>

class QWidget;

namespace selvane {

inline const QColor kAqua{0, 255, 255};
inline const QColor kLightYellow{255, 255, 176};
inline const QColor kYellow{255, 255, 0};
inline const QColor kNavy{0, 0, 128};
// The bands behind every second row: of the time list on its black ground, and of the printed
// time table on white paper.
inline const QColor kListBandGrey{64, 64, 64};
inline const QColor kPageBandGrey{180, 180, 180};
// The settings windows' entry fields and lists, and how they look while disabled.
inline const QColor kEntryColour{255, 255, 200};
inline const QColor kDisabledEntryColour{196, 198, 188};
inline const QColor kDisabledEntryText{96, 98, 104};

// The main window and the time list.
inline constexpr QSize kWindowSize{640, 480};

// "Arial" at a character height in pixels (the layout is in pixels, whatever the screen's DPI).
QFont ArialPixels(int pixels, bool bold = false);

// The colour a label's text is drawn in.
void SetTextColour(QWidget* widget, const QColor& colour);

// An entry field, list or panel in the entry colour with black text; disabled (a fixed zone
// while a named zone is chosen), it is greyed.
void SetEntryColours(QWidget* widget);

// The lists' drop-down button as narrow as the spin buttons (15 pixels), so that a list 85
// pixels wide shows a whole "GMT + 12:00"; a pick-only list's field is painted in its base
// colour (the entry colour), as an editable list's is, rather than shaded as a button.
class NarrowListStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace selvane
