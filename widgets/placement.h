#pragma once
// The layout tables of the fixed-size windows: every control by name at its place in window
// pixels.

#include <QRect>

#include <span>

class QWidget;

namespace selvane {

struct Placement {
    const char* Name;
    int X, Y, W, H;
    QRect rect() const { return {X, Y, W, H}; }
};

// Gives each child of `window` named in the table its place.
void PlaceControls(QWidget* window, std::span<const Placement> table);

} // namespace selvane
