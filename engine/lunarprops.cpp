// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/lunarprops.h"

#include "engine/angletext.h"
#include "engine/constants.h"
#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/text.h"

#include <cmath>

namespace selvane {

namespace {

constexpr double kObserverHeightM = 30.0;
constexpr double kMoonRadiusInEarthRadii = 0.272481; // k of (55.1)

std::string TwoDigitField(double value) {
    std::string text(value < 10.0 ? "0" : "");
    text += std::to_string(Trunc(value));
    return text;
}

} // namespace

Topocentric ConvertToTopocentric(double ra, double dec, double parallaxRad, double hourAngleRad,
                                 double latitude) noexcept {
    const GeocentricPlace place = ObserverGeocentric(latitude, kObserverHeightM);
    const double rhoSinPhi = place.RhoSinPhi;
    const double rhoCosPhi = place.RhoCosPhi;

    const double d = DegToRad(dec);
    const double sinPi = std::sin(parallaxRad);
    const double denominator = std::cos(d) - rhoCosPhi * sinPi * std::cos(hourAngleRad);
    const double deltaRA = std::atan2(-rhoCosPhi * sinPi * std::sin(hourAngleRad), denominator);

    Topocentric t;
    t.RA = ra + RadToDeg(deltaRA);
    t.Dec =
        RadToDeg(std::atan2((std::sin(d) - rhoSinPhi * sinPi) * std::cos(deltaRA), denominator));
    return t;
}

std::string PhaseAngleText(double phaseAngle) {
    std::string text = std::to_string(static_cast<long long>(Round(phaseAngle)));
    text += kDegreeMark;
    return Utf8Left(text, 6);
}

MoonPanel CalculateSelvane(const ClockTime& clock, const Observer& observer,
                           const MonthNames& monthNames) {
    MoonPanel p;
    p.Phases = FindMonthPhases(clock.Year, clock.Month, observer, monthNames);
    p.Position = CLP(UniversalJD(clock, observer.UTOffsetMinutes), observer);
    const LunarPosition& m = p.Position;
    p.Percent = m.Percent;
    p.Geocentric = {m.RA, m.Dec};
    p.VisibleText = std::to_string(m.Percent) + " %";
    p.DistanceText = std::to_string(m.Distance) + " km";

    const double parallax = DegToRad(m.Parallax);
    p.Topo = ConvertToTopocentric(m.RA, m.Dec, parallax, m.HourAngle, observer.Latitude);
    p.TopoRAHours = Normalize360(p.Topo.RA) / 15.0;

    // Geocentric semidiameter (55.1) p. 390, enlarged for the observer's nearness to the Moon.
    const double s = RadToDeg(ArcSin(kMoonRadiusInEarthRadii * std::sin(parallax)));
    const double sTopo = s * (1.0 + std::sin(parallax) * std::sin(DegToRad(m.Altitude)));
    p.Diameter = 2.0 * sTopo;
    p.PhaseAngleText = PhaseAngleText(m.PhaseAngle);
    return p;
}

AgeFields AgeOf(double ageDays) noexcept {
    const double hours = Frac(ageDays) * 24.0;
    const double minutes = Frac(hours) * 60.0;
    return {Trunc(ageDays), Trunc(hours), Trunc(minutes)};
}

std::string AgeText(double ageDays) {
    const AgeFields age = AgeOf(ageDays);
    return TwoDigitField(static_cast<double>(age.Days)) + "d " +
           TwoDigitField(static_cast<double>(age.Hours)) + "h " +
           TwoDigitField(static_cast<double>(age.Minutes)) + "m";
}

LunarProperties CalculateLunarProperties(const ClockTime& clock, const Observer& observer,
                                         const MonthNames& monthNames) {
    const JulianDay jd = UniversalJD(clock, observer.UTOffsetMinutes);
    const double T = (jd - kJ2000) / kDaysPerJulianCentury;

    // Start at a lunation index no earlier than the latest New Moon and step back.
    double k = std::floor(kLunationsPerCentury * T); // (49.3) solved for k
    JulianDay newMoon;
    do {
        newMoon = getMoonJD(k, 0.0);
        k -= 1.0;
    } while (!(jd > newMoon));

    LunarProperties p;
    p.LatestNewMoon = newMoon;
    p.AgeDays = jd - newMoon;
    p.AgeText = AgeText(p.AgeDays);
    p.Apsides = getApogeePerigee(clock, observer, monthNames);
    p.ApogeeDistanceText = std::to_string(p.Apsides.ApogeeDistance) + " km";
    p.PerigeeDistanceText = std::to_string(p.Apsides.PerigeeDistance) + " km";
    return p;
}

double BrightLimbAngle(double moonRA, double moonDec, double sunRA, double sunDec) noexcept {
    const double d = DegToRad(moonDec);
    const double d0 = DegToRad(sunDec);
    const double dRA = DegToRad(sunRA - moonRA);
    return Normalize360(RadToDeg(
        std::atan2(std::cos(d0) * std::sin(dRA),
                   std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(dRA))));
}

std::string SiderealClockText(JulianDay jd, double longitude) {
    double v = Normalize360(ApparentSiderealTime(jd, 0.0) - longitude) / 15.0;
    std::string text;
    for (int field = 0; field < 3; ++field) {
        const std::int64_t whole = Trunc(v);
        if (field > 0)
            text += ':';
        text += TwoDigitField(static_cast<double>(whole));
        v = (v - static_cast<double>(whole)) * 60.0;
    }
    return text;
}

std::string LocalSiderealTimeText(JulianDay jd, double longitude) {
    return "LST: " + SiderealClockText(jd, longitude);
}

} // namespace selvane
