#pragma once
// Fonts and colours shared by the windows.

#include <QColor>
#include <QFont>

class QWidget;

namespace selvane {

inline const QColor kAqua{0, 255, 255};
inline const QColor kLightYellow{255, 255, 176};
inline const QColor kYellow{255, 255, 0};
inline const QColor kNavy{0, 0, 128};

// "Arial" at a character height in pixels (the layout is in pixels, whatever the screen's DPI).
QFont ArialPixels(int pixels, bool bold = false);

// The colour a label's text is drawn in.
void SetTextColour(QWidget* widget, const QColor& colour);

} // namespace selvane
