// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Apogee, time correction (days, sine terms):
// J. Meeus, Astronomical Algorithms, chapter 50 (Tables 50.A and 50.B), in the published
// order, with the mean elements of the first edition. Each row is coefficient + TCoefficient*T
// times the sine (time) or cosine (parallax) of D*D + M*M + F*F; the parallax series starts with
// its constant as a row of zero multipliers.

#include "engine/tables/tables.h"

namespace selvane::tables {

constexpr std::array<ApsisTerm, 32> kApogeeTime = {{
    {0.4392, 0.0, 2, 0, 0},       {0.0684, 0.0, 4, 0, 0},   {0.0456, -0.00011, 0, 1, 0},
    {0.0426, -0.00011, 2, -1, 0}, {0.0212, 0.0, 0, 0, 2},   {-0.0189, 0.0, 1, 0, 0},
    {0.0144, 0.0, 6, 0, 0},       {0.0113, 0.0, 4, -1, 0},  {0.0047, 0.0, 2, 0, 2},
    {0.0036, 0.0, 1, 1, 0},       {0.0035, 0.0, 8, 0, 0},   {0.0034, 0.0, 6, -1, 0},
    {-0.0034, 0.0, 2, 0, -2},     {0.0022, 0.0, 2, -2, 0},  {-0.0017, 0.0, 3, 0, 0},
    {0.0013, 0.0, 4, 0, 2},       {0.0011, 0.0, 8, -1, 0},  {0.0010, 0.0, 4, -2, 0},
    {0.0009, 0.0, 10, 0, 0},      {0.0007, 0.0, 3, 1, 0},   {0.0006, 0.0, 0, 2, 0},
    {0.0005, 0.0, 2, 1, 0},       {0.0005, 0.0, 2, 2, 0},   {0.0004, 0.0, 6, 0, 2},
    {0.0004, 0.0, 6, -2, 0},      {0.0004, 0.0, 10, -1, 0}, {-0.0004, 0.0, 5, 0, 0},
    {-0.0004, 0.0, 4, 0, -2},     {0.0003, 0.0, 0, 1, 2},   {0.0003, 0.0, 12, 0, 0},
    {0.0003, 0.0, 2, -1, 2},      {-0.0003, 0.0, 1, -1, 0},
}};
static_assert(kApogeeTime.size() == 32);

} // namespace selvane::tables
