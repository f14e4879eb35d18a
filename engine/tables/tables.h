// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The published periodic-term tables the engine evaluates, one .cpp per book table.
// Row structs carry every column of a row; units are given per field.

#include <array>

namespace selvane::tables {

// Table 22.A: nutation. Argument = D*D + M*M + Mp*M' + F*F + Om*Omega.
struct NutationTerm {
    int D, M, Mp, F, Om;
    double A, B;  // longitude: (A + B*T) * sin(argument), units of 0.0001 arcsecond
    double C, Dc; // obliquity: (C + Dc*T) * cos(argument), units of 0.0001 arcsecond
};
extern const std::array<NutationTerm, 63> kNutation;

// Table 47.A: the Moon's longitude and distance. Argument = D*D + M*M + Mp*M' + F*F.
struct MoonLongitudeDistanceTerm {
    int D, M, Mp, F;
    int SigmaL; // coefficient of sin(argument) for the longitude, 1e-6 degree
    int SigmaR; // coefficient of cos(argument) for the distance, 1e-3 km
};
extern const std::array<MoonLongitudeDistanceTerm, 60> kMoonLongitudeDistance;

// Table 47.B: the Moon's latitude.
struct MoonLatitudeTerm {
    int D, M, Mp, F;
    int SigmaB; // coefficient of sin(argument) for the latitude, 1e-6 degree
};
extern const std::array<MoonLatitudeTerm, 60> kMoonLatitude;

// Appendix III: one term A * cos(B + C*tau) of a truncated VSOP87 series for the Earth.
struct Vsop87Term {
    double A; // 1e-8 radian (L, B) or 1e-8 AU (R)
    double B; // radians
    double C; // radians per Julian millennium
};
extern const std::array<Vsop87Term, 64> kEarthL0;
extern const std::array<Vsop87Term, 34> kEarthL1;
extern const std::array<Vsop87Term, 20> kEarthL2;
extern const std::array<Vsop87Term, 7> kEarthL3;
extern const std::array<Vsop87Term, 3> kEarthL4;
extern const std::array<Vsop87Term, 1> kEarthL5;
extern const std::array<Vsop87Term, 5> kEarthB0;
extern const std::array<Vsop87Term, 2> kEarthB1;
extern const std::array<Vsop87Term, 40> kEarthR0;
extern const std::array<Vsop87Term, 10> kEarthR1;
extern const std::array<Vsop87Term, 6> kEarthR2;
extern const std::array<Vsop87Term, 2> kEarthR3;
extern const std::array<Vsop87Term, 1> kEarthR4;

// Chapter 49: corrections of the mean phase for New and Full Moon. Argument =
// M*M + Mp*M' + F*F + Om*Omega; the term is coefficient * E^EPower * sin(argument).
struct PhaseNewFullTerm {
    double NewCoeff;  // days, New Moon
    double FullCoeff; // days, Full Moon
    int EPower;
    int M, Mp, F, Om;
};
extern const std::array<PhaseNewFullTerm, 25> kPhaseNewFull;

// Chapter 49: corrections of the mean phase for First and Last Quarter.
struct PhaseQuarterTerm {
    double Coeff; // days
    int EPower;
    int M, Mp, F, Om;
};
extern const std::array<PhaseQuarterTerm, 25> kPhaseQuarter;

// Chapter 49: planetary argument A_i = Constant + KCoeff*k + T2Coeff*T^2 (degrees) and its
// additional correction Correction * sin(A_i), for all phases.
struct PhasePlanetaryTerm {
    double Constant;   // degrees
    double KCoeff;     // degrees per lunation
    double T2Coeff;    // degrees per century squared
    double Correction; // days
};
extern const std::array<PhasePlanetaryTerm, 14> kPhasePlanetary;

// Chapter 50: a term of an apsis series: (Coeff + TCoeff*T) times sin (time corrections, days)
// or cos (parallax, arcseconds) of D*D + M*M + F*F.
struct ApsisTerm {
    double Coeff;
    double TCoeff;
    int D, M, F;
};
extern const std::array<ApsisTerm, 32> kApogeeTime;
extern const std::array<ApsisTerm, 18> kApogeeParallax;
extern const std::array<ApsisTerm, 60> kPerigeeTime;
extern const std::array<ApsisTerm, 46> kPerigeeParallax;

} // namespace selvane::tables
