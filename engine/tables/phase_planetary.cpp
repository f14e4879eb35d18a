// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fourteen planetary arguments A1..A14 and their additional corrections for all phases:
// J. Meeus, Astronomical Algorithms, 2nd ed., chapter 49 p. 351-352.
// A_i = constant + kCoefficient*k + T2Coefficient*T^2 degrees; correction coefficient in days.

#include "engine/tables/tables.h"

namespace selvane::tables {

constexpr std::array<PhasePlanetaryTerm, 14> kPhasePlanetary = {{
    {299.77, 0.107408, -0.009173, 0.000325},
    {251.88, 0.016321, 0.0, 0.000165},
    {251.83, 26.651886, 0.0, 0.000164},
    {349.42, 36.412478, 0.0, 0.000126},
    {84.66, 18.206239, 0.0, 0.000110},
    {141.74, 53.303771, 0.0, 0.000062},
    {207.14, 2.453732, 0.0, 0.000060},
    {154.84, 7.306860, 0.0, 0.000056},
    {34.52, 27.261239, 0.0, 0.000047},
    {207.19, 0.121824, 0.0, 0.000042},
    {291.34, 1.844379, 0.0, 0.000040},
    {161.72, 24.198154, 0.0, 0.000037},
    {239.56, 25.513099, 0.0, 0.000035},
    {331.55, 3.592518, 0.0, 0.000023},
}};
static_assert(kPhasePlanetary.size() == 14);

} // namespace selvane::tables
