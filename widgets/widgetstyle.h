#pragma once
// Fonts, colours and the window size shared by the windows and the printed pages.

#include <QColor>
#include <QFont>
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

// The main window and the time list.
inline constexpr QSize kWindowSize{640, 480};

// "Arial" at a character height in pixels (the layout is in pixels, whatever the screen's DPI).
QFont ArialPixels(int pixels, bool bold = false);

// The colour a label's text is drawn in.
void SetTextColour(QWidget* widget, const QColor& colour);

} // namespace selvane
