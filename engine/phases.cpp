// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/phases.h"

#include "engine/constants.h"
#include "engine/numeric.h"
#include "engine/tables/tables.h"

#include <cmath>

namespace selvane {

namespace {

double EPowerFactor(int power, double E) {
    return power == 0 ? 1.0 : (power == 1 ? E : E * E);
}

// The Moon's argument of latitude at the mean phase, (49.6) p. 350, first edition constants.
double ArgumentOfLatitude(double k, double T) noexcept {
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    return ReducedRadians(160.7108 + 390.67050274 * k - 0.0016341 * T2 - 0.00000227 * T3 +
                          0.000000011 * T4);
}

} // namespace

double PhaseOf(double k) noexcept {
    const double phase = k - static_cast<double>(Trunc(k));
    return phase < 0.0 ? phase + 1.0 : phase;
}

double calculateMajorPhase(double k, double phase, double T) noexcept {
    using namespace tables;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T2;

    // Mean elements, first edition constants.
    const double M = ReducedRadians(2.5534 + 29.10535669 * k - 0.0000218 * T2 - 0.00000011 * T3);
    const double Mp = ReducedRadians(201.5643 + 385.81693528 * k + 0.0107438 * T2 +
                                     0.00001239 * T3 - 0.000000058 * T4);
    const double F = ArgumentOfLatitude(k, T);
    const double Om = ReducedRadians(124.7746 - 1.5637558 * k + 0.0020691 * T2 + 0.00000215 * T3);

    double correction = 0.0;
    if (phase != 0.0 && phase != 0.5) {
        for (const auto& t : kPhaseQuarter)
            correction += t.Coeff * EPowerFactor(t.EPower, E) *
                          std::sin(t.M * M + t.Mp * Mp + t.F * F + t.Om * Om);
        // W, p. 352: added at First Quarter, subtracted at Last Quarter.
        const double W = 0.00306 - 0.00038 * E * std::cos(M) + 0.00026 * std::cos(Mp) -
                         0.00002 * std::cos(Mp - M) + 0.00002 * std::cos(Mp + M) +
                         0.00002 * std::cos(2.0 * F);
        if (phase == 0.25)
            correction += W;
        else if (phase == 0.75)
            correction -= W;
    } else {
        const bool full = Trunc(phase * 2.0) == 1;
        for (const auto& t : kPhaseNewFull)
            correction += (full ? t.FullCoeff : t.NewCoeff) * EPowerFactor(t.EPower, E) *
                          std::sin(t.M * M + t.Mp * Mp + t.F * F + t.Om * Om);
    }

    for (const auto& a : kPhasePlanetary)
        correction +=
            a.Correction * std::sin(ReducedRadians(a.Constant + a.KCoeff * k + a.T2Coeff * T2));
    return correction;
}

JulianDay getMoonJD(double k, double phase) noexcept {
    const double T = k / kLunationsPerCentury; // (49.3)
    const double T2 = T * T;
    // (49.1), first edition coefficients.
    const double mean = kMeanNewMoonEpochJDE + kSynodicMonthDays * k + 0.0001337 * T2 -
                        0.000000150 * T2 * T + 0.00000000073 * T2 * T2;
    return mean + calculateMajorPhase(k, phase, T);
}

bool NearANode(double k) noexcept {
    return std::fabs(std::sin(ArgumentOfLatitude(k, k / kLunationsPerCentury))) <= kEclipseMaxSinF;
}

MonthPhases FindMonthPhases(int year, int month, const Observer& observer,
                            const MonthNames& monthNames) {
    const JulianDay yearStart = DateTimeToJD(year, 1, 1, 0, 0, 0);
    const JulianDay monthStart = DateTimeToJD(year, month, 1, 0, 0, 0);
    const JulianDay nextStart = month == 12 ? DateTimeToJD(year + 1, 1, 1, 0, 0, 0)
                                            : DateTimeToJD(year, month + 1, 1, 0, 0, 0);

    const double decimalYear = year + (monthStart - yearStart + 1.0) / 365.25;
    double k = Int((decimalYear - kLunationEpochYear) * kLunationsPerYear * 4.0) / 4.0 - 0.25;
    // The decimal year counts 365.25-day years, which drift from the calendar by about a day
    // per 130 years: far from 2000 that first k can lie after the month's first phase. Step
    // back until the phase at k is not after the month's start, so the walk misses none.
    while (getMoonJD(k, PhaseOf(k)) > monthStart)
        k -= 0.25;

    MonthPhases out;
    std::size_t i = 0;
    for (;;) {
        const double phase = PhaseOf(k);
        const JulianDay jd = getMoonJD(k, phase);
        if (monthStart < jd && jd <= nextStart && i < out.MajorPhaseTable.size()) {
            const auto index = static_cast<std::int32_t>(Trunc(phase * 4.0) % 4);
            out.MajorPhaseTable[i] = {jd, index, kPhaseCodes[static_cast<std::size_t>(index)]};
            const JulianDay local = UniversalToLocal(jd, observer);
            out.Texts[i] = JDToDateText(local, monthNames).Text;
            out.LocalTimes[i] = JDToCalendar(local);
            ++i;
        }
        k += 0.25;
        if (jd > nextStart)
            break;
    }
    out.MajorPhaseCount = static_cast<std::int32_t>(i);
    return out;
}

} // namespace selvane
