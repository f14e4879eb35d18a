// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Periodic corrections for New Moon and Full Moon, in days:
// J. Meeus, Astronomical Algorithms, 2nd ed., chapter 49 p. 351, the 25 terms in the published
// order. Each row adds coefficient * E^EPower * sin(M*M + Mp*M' + F*F + Om*Omega).

#include "engine/tables/tables.h"

namespace selvane::tables {

constexpr std::array<PhaseNewFullTerm, 25> kPhaseNewFull = {{
    {-0.40720, -0.40614, 0, 0, 1, 0, 0},   {0.17241, 0.17302, 1, 1, 0, 0, 0},
    {0.01608, 0.01614, 0, 0, 2, 0, 0},     {0.01039, 0.01043, 0, 0, 0, 2, 0},
    {0.00739, 0.00734, 1, -1, 1, 0, 0},    {-0.00514, -0.00515, 1, 1, 1, 0, 0},
    {0.00208, 0.00209, 2, 2, 0, 0, 0},     {-0.00111, -0.00111, 0, 0, 1, -2, 0},
    {-0.00057, -0.00057, 0, 0, 1, 2, 0},   {0.00056, 0.00056, 1, 1, 2, 0, 0},
    {-0.00042, -0.00042, 0, 0, 3, 0, 0},   {0.00042, 0.00042, 1, 1, 0, 2, 0},
    {0.00038, 0.00038, 1, 1, 0, -2, 0},    {-0.00024, -0.00024, 1, -1, 2, 0, 0},
    {-0.00017, -0.00017, 0, 0, 0, 0, 1},   {-0.00007, -0.00007, 0, 2, 1, 0, 0},
    {0.00004, 0.00004, 0, 0, 2, -2, 0},    {0.00004, 0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0.00003, 0, 1, 1, -2, 0},    {0.00003, 0.00003, 0, 0, 2, 2, 0},
    {-0.00003, -0.00003, 0, 1, 1, 2, 0},   {0.00003, 0.00003, 0, -1, 1, 2, 0},
    {-0.00002, -0.00002, 0, -1, 1, -2, 0}, {-0.00002, -0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0.00002, 0, 0, 4, 0, 0},
}};
static_assert(kPhaseNewFull.size() == 25);

} // namespace selvane::tables
