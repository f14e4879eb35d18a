#pragma once
// The texts in which the windows show times and angles.

#include <array>
#include <string>

namespace selvane {

// Decimal hours as "hh:mm": hours truncated, minutes rounded with halves to even, a minute
// count of 60 carried into the hours. No wrap: 23.9999 gives "24:00"; -0.25 gives "-00:15".
std::string HoursToText(double hours);

// The degree mark of the displayed angles: U+00BA, the masculine ordinal sign.
inline constexpr const char* kDegreeMark = "\u00BA";

enum class SexagesimalMode { Angle = 0, Time = 1 };

// The three pieces of a sexagesimal value (degrees-minutes-seconds or hours-minutes-seconds)
// and where each one's right end goes, in pixels right of the first piece's right end.
// Minutes and seconds are truncated, so a piece never shows 60.
struct SexagesimalPieces {
    std::array<std::string, 3> Text;
    std::array<int, 3> RightOffset;
};
SexagesimalPieces MakeSexagesimal(SexagesimalMode mode, double value);

} // namespace selvane
