// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/apsides.h"

#include "engine/constants.h"
#include "engine/numeric.h"
#include "engine/tables/tables.h"
#include "engine/text.h"

#include <cmath>

namespace selvane {

namespace {

// The sum of (Coeff + TCoeff*T) * trig(D*D + M*M + F*F) over a series.
template <std::size_t N, typename Trig>
double Series(const std::array<tables::ApsisTerm, N>& terms, Trig trig, double D, double M,
              double F, double T) {
    double sum = 0.0;
    for (const auto& t : terms)
        sum += (t.Coeff + t.TCoeff * T) * trig(t.D * D + t.M * M + t.F * F);
    return sum;
}

double Sin(double x) {
    return std::sin(x);
}
double Cos(double x) {
    return std::cos(x);
}

} // namespace

Apsis jdXgee(double k) noexcept {
    using namespace tables;
    const double T = k / kAnomalisticMonthsPerCentury; // (50.3)
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    // (50.1), first edition coefficients.
    const double jde = kMeanPerigeeEpochJDE + kAnomalisticMonthDays * k - 0.0006886 * T2 -
                       0.000001098 * T3 + 0.0000000052 * T4;
    const double D = ReducedRadians(171.9179 + 335.9106046 * k - 0.0100250 * T2 - 0.00001156 * T3 +
                                    0.000000055 * T4);
    const double M = ReducedRadians(347.3477 + 27.1577721 * k - 0.0008323 * T2 - 0.0000010 * T3);
    const double F = ReducedRadians(316.6109 + 364.5287911 * k - 0.0125131 * T2 - 0.0000148 * T3);

    const bool apogee = k - Int(k) != 0.0;
    Apsis a;
    double correction;
    if (apogee) {
        correction = Series(kApogeeTime, Sin, D, M, F, T);
        a.Parallax = Series(kApogeeParallax, Cos, D, M, F, T);
    } else {
        correction = Series(kPerigeeTime, Sin, D, M, F, T);
        a.Parallax = Series(kPerigeeParallax, Cos, D, M, F, T);
    }
    a.Distance = static_cast<std::int32_t>(
        Round(kEarthEquatorialRadiusKm / std::sin(DegToRad(a.Parallax / kArcsecPerDeg))));
    a.JD = jde + correction;
    return a;
}

ApogeePerigee getApogeePerigee(const ClockTime& clock, const Observer& observer,
                               const MonthNames& monthNames) {
    const double decimalYear = clock.Year + (DateTimeToJD(clock.Year, clock.Month, clock.Day,
                                                          clock.Hour, clock.Minute, clock.Second) -
                                             DateTimeToJD(clock.Year, 1, 1, 0, 0, 0) - 1.0) /
                                                365.25;
    const auto k =
        static_cast<double>(Trunc((decimalYear - kApsisEpochYear) * kAnomalisticMonthsPerYear));

    const Apsis perigee = jdXgee(k);
    const Apsis apogee = jdXgee(k - 0.5);

    // Each instant in the local time in force then.
    ApogeePerigee out;
    out.PerigeeText =
        Utf8Left(JDToDateText(UniversalToLocal(perigee.JD, observer), monthNames).Text, 13);
    out.ApogeeText =
        Utf8Left(JDToDateText(UniversalToLocal(apogee.JD, observer), monthNames).Text, 13);
    out.PerigeeDistance = perigee.Distance;
    out.ApogeeDistance = apogee.Distance;
    return out;
}

} // namespace selvane
