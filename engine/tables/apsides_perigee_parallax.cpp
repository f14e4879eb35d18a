// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Perigee, equatorial horizontal parallax (arcseconds, constant and cosine terms):
// J. Meeus, Astronomical Algorithms, chapter 50 (Tables 50.A and 50.B), in the published
// order, with the mean elements of the first edition. Each row is coefficient + TCoefficient*T
// times the sine (time) or cosine (parallax) of D*D + M*M + F*F; the parallax series starts with
// its constant as a row of zero multipliers.

#include "engine/tables/tables.h"

namespace selvane::tables {

constexpr std::array<ApsisTerm, 46> kPerigeeParallax = {{
    {3629.215, 0.0, 0, 0, 0},   {63.224, 0.0, 2, 0, 0},    {-6.990, 0.0, 4, 0, 0},
    {2.834, -0.0071, 2, -1, 0}, {1.927, 0.0, 6, 0, 0},     {-1.263, 0.0, 1, 0, 0},
    {-0.702, 0.0, 8, 0, 0},     {0.696, -0.0017, 0, 1, 0}, {-0.690, 0.0, 0, 0, 2},
    {-0.629, 0.0016, 4, -1, 0}, {-0.392, 0.0, 2, 0, -2},   {0.297, 0.0, 10, 0, 0},
    {0.260, 0.0, 6, -1, 0},     {0.201, 0.0, 3, 0, 0},     {-0.161, 0.0, 2, 1, 0},
    {0.157, 0.0, 1, 1, 0},      {-0.138, 0.0, 12, 0, 0},   {-0.127, 0.0, 8, -1, 0},
    {0.104, 0.0, 2, 0, 2},      {0.104, 0.0, 2, -2, 0},    {-0.079, 0.0, 5, 0, 0},
    {0.068, 0.0, 14, 0, 0},     {0.067, 0.0, 10, -1, 0},   {0.054, 0.0, 4, 1, 0},
    {-0.038, 0.0, 12, -1, 0},   {0.037, 0.0, 7, 0, 0},     {-0.037, 0.0, 4, 0, 2},
    {-0.035, 0.0, 16, 0, 0},    {-0.030, 0.0, 3, 1, 0},    {0.029, 0.0, 1, -1, 0},
    {-0.025, 0.0, 6, 1, 0},     {0.023, 0.0, 0, 2, 0},     {0.023, 0.0, 14, -1, 0},
    {-0.023, 0.0, 2, 2, 0},     {0.022, 0.0, 6, -2, 0},    {-0.021, 0.0, 2, -1, -2},
    {-0.020, 0.0, 9, 0, 0},     {0.019, 0.0, 18, 0, 0},    {0.017, 0.0, 6, 0, 2},
    {0.014, 0.0, 0, -1, 2},     {-0.014, 0.0, 16, -1, 0},  {0.013, 0.0, 4, 0, -2},
    {0.012, 0.0, 8, 1, 0},      {0.011, 0.0, 11, 0, 0},    {0.010, 0.0, 5, 1, 0},
    {-0.010, 0.0, 20, 0, 0},
}};
static_assert(kPerigeeParallax.size() == 46);

} // namespace selvane::tables
