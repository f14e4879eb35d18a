// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Apogee, equatorial horizontal parallax (arcseconds, constant and cosine terms):
// J. Meeus, Astronomical Algorithms, chapter 50 (Tables 50.A and 50.B), in the published
// order, with the mean elements of the first edition. Each row is coefficient + TCoefficient*T
// times the sine (time) or cosine (parallax) of D*D + M*M + F*F; the parallax series starts with
// its constant as a row of zero multipliers.

#include "engine/tables/tables.h"

namespace selvane::tables {

constexpr std::array<ApsisTerm, 18> kApogeeParallax = {{
    {3245.251, 0.0, 0, 0, 0},
    {-9.146, 0.0, 2, 0, 0},
    {-0.841, 0.0, 1, 0, 0},
    {0.697, 0.0, 0, 0, 2},
    {-0.656, 0.0016, 0, 1, 0},
    {0.355, 0.0, 4, 0, 0},
    {0.159, 0.0, 2, -1, 0},
    {0.127, 0.0, 1, 1, 0},
    {0.065, 0.0, 4, -1, 0},
    {0.052, 0.0, 6, 0, 0},
    {0.043, 0.0, 2, 1, 0},
    {0.031, 0.0, 2, 0, 2},
    {-0.023, 0.0, 2, 0, -2},
    {0.022, 0.0, 2, -2, 0},
    {0.019, 0.0, 2, 2, 0},
    {-0.016, 0.0, 0, 2, 0},
    {0.014, 0.0, 6, -1, 0},
    {0.010, 0.0, 8, 0, 0},
}};
static_assert(kApogeeParallax.size() == 18);

} // namespace selvane::tables
