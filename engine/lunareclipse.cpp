// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lunar eclipses: the Moon's centre against the axis of the Earth's shadow, seen from the
// Earth's centre.

#include "engine/deltat.h"
#include "engine/eclipses.h"
#include "engine/numeric.h"
#include "engine/phases.h"
#include "engine/sunmoontrack.h"

#include <cmath>

namespace selvane {

namespace {

constexpr double kEarthRadiusKm = 6378.137; // equatorial
constexpr double kAstronomicalUnitKm = 149597870.7;
constexpr double kSunSemidiameterAt1Au = 959.63 / kArcsecPerDeg; // degrees
// The Earth's radius enlarged for its atmosphere by 1/85 and reduced for its flattening by
// 1/594 (Danjon 1951), which enlarges the parallax term of both shadows' radii. The
// traditional rule of Chauvenet (1891) instead enlarges both radii by 1/50.
constexpr double kDanjonEnlargement = 1.01;
constexpr double kMoonRadiusInEarthRadii = 0.272488;
// The Moon's path through the shadows lies within 3.5 hours of the Full Moon.
constexpr double kHalfSpanDays = 5.0 / kHoursPerDay;
constexpr double kToleranceDays = 0.1 / kSecondsPerDay;
// Where the Moon's altitude is sampled between contacts to tell whether it is up at all.
constexpr double kAltitudeStepDays = 10.0 / kMinutesPerDay;
constexpr double kMoonRefractionDeg = 34.0 / 60.0;

// The Moon against the shadows at one instant, all angles in degrees.
struct ShadowGeometry {
    double Separation = 0.0;   // the Moon's centre from the shadow axis
    double North = 0.0;        // the Moon's offset from the axis towards the north, any unit
    double Penumbra = 0.0;     // radius of the penumbra at the Moon's distance
    double Umbra = 0.0;        // radius of the umbra
    double Moon = 0.0;         // the Moon's semidiameter
    double MoonDistance = 0.0; // km
};

ShadowGeometry GeometryAt(const SunMoonPlace& p) {
    // The shadow's axis points away from the Sun's apparent place: the shadow at the Moon's
    // distance is where the Earth was 1.3 s before, which shifts it by the Sun's aberration.
    const double axisRA = DegToRad(p.SunRA + 180.0);
    const double axisDec = DegToRad(-p.SunDec);
    const double ra = DegToRad(p.MoonRA);
    const double dec = DegToRad(p.MoonDec);
    const double dRA = ra - axisRA;
    // The Moon's direction in a frame whose third axis is the shadow's axis.
    const double x = std::cos(dec) * std::sin(dRA);
    const double y =
        std::sin(dec) * std::cos(axisDec) - std::cos(dec) * std::sin(axisDec) * std::cos(dRA);
    const double z =
        std::sin(dec) * std::sin(axisDec) + std::cos(dec) * std::cos(axisDec) * std::cos(dRA);

    const double moonParallax = RadToDeg(std::asin(kEarthRadiusKm / p.MoonDistance));
    const double sunParallax =
        RadToDeg(std::asin(kEarthRadiusKm / (p.SunDistance * kAstronomicalUnitKm)));
    const double sunSemidiameter = kSunSemidiameterAt1Au / p.SunDistance;

    ShadowGeometry g;
    g.Separation = RadToDeg(std::atan2(std::hypot(x, y), z));
    g.North = y;
    g.Penumbra = kDanjonEnlargement * moonParallax + sunParallax + sunSemidiameter;
    g.Umbra = kDanjonEnlargement * moonParallax + sunParallax - sunSemidiameter;
    g.Moon = RadToDeg(std::asin(kMoonRadiusInEarthRadii * kEarthRadiusKm / p.MoonDistance));
    g.MoonDistance = p.MoonDistance;
    return g;
}

// The Moon's geometric altitude for the observer and the altitude of its rising (degrees).
struct MoonAltitude {
    double Altitude = 0.0;
    double Horizon = 0.0;
};

MoonAltitude MoonAltitudeAt(const SunMoonPlace& p, const Observer& observer) {
    const double H = DegToRad(p.SiderealTime - observer.Longitude - p.MoonRA);
    const double dec = DegToRad(p.MoonDec);
    const double phi = DegToRad(observer.Latitude);
    const double parallax = RadToDeg(std::asin(kEarthRadiusKm / p.MoonDistance));
    return {RadToDeg(ArcSin(std::sin(phi) * std::sin(dec) +
                            std::cos(phi) * std::cos(dec) * std::cos(H))),
            0.7275 * parallax - kMoonRefractionDeg};
}

bool IsUp(const MoonAltitude& a) {
    return a.Altitude > a.Horizon;
}

} // namespace

std::optional<LunarEclipse> LunarEclipseAt(double k, const Observer& observer) noexcept {
    // Far from a node the Moon passes well clear of the shadow. Chapter 54, p. 380.
    if (!NearANode(k))
        return std::nullopt;

    // getMoonJD evaluates the phase series published for dynamical time: its value is a JDE.
    const JulianDay fullMoon = getMoonJD(k, 0.5);
    const double deltaT = DeltaTSecondsAt(fullMoon);
    const SunMoonTrack track = MakeSunMoonTrack(fullMoon, kHalfSpanDays, deltaT);
    auto geometry = [&](JulianDay jde) {
        return GeometryAt(PlaceAt(track, jde));
    };

    const JulianDay first = fullMoon - kHalfSpanDays;
    const JulianDay last = fullMoon + kHalfSpanDays;
    const JulianDay greatest = FindMinimum([&](JulianDay t) { return geometry(t).Separation; },
                                           first, last, kToleranceDays);
    const ShadowGeometry g = geometry(greatest);

    LunarEclipse e;
    e.K = k;
    e.DeltaT = deltaT;
    e.PenumbralMagnitude = (g.Penumbra + g.Moon - g.Separation) / (2.0 * g.Moon);
    e.UmbralMagnitude = (g.Umbra + g.Moon - g.Separation) / (2.0 * g.Moon);
    if (e.PenumbralMagnitude <= 0.0)
        return std::nullopt;
    e.Kind = e.UmbralMagnitude >= 1.0  ? LunarEclipseKind::Total
             : e.UmbralMagnitude > 0.0 ? LunarEclipseKind::Partial
                                       : LunarEclipseKind::Penumbral;
    e.Gamma =
        std::copysign(g.MoonDistance / kEarthRadiusKm * std::sin(DegToRad(g.Separation)), g.North);

    // Each pair of contacts: where the separation equals the shadow's radius plus or minus the
    // Moon's, before and after greatest eclipse.
    auto contacts = [&](LunarContact before, LunarContact after, auto radius) {
        auto f = [&](JulianDay t) {
            const ShadowGeometry s = geometry(t);
            return s.Separation - radius(s);
        };
        if (!(f(greatest) < 0.0))
            return;
        e.Contacts[static_cast<std::size_t>(before)] = {
            true, FindCrossing(f, first, greatest, kToleranceDays)};
        e.Contacts[static_cast<std::size_t>(after)] = {
            true, FindCrossing(f, greatest, last, kToleranceDays)};
    };
    contacts(LunarContact::P1, LunarContact::P4,
             [](const ShadowGeometry& s) { return s.Penumbra + s.Moon; });
    contacts(LunarContact::U1, LunarContact::U4,
             [](const ShadowGeometry& s) { return s.Umbra + s.Moon; });
    contacts(LunarContact::U2, LunarContact::U3,
             [](const ShadowGeometry& s) { return s.Umbra - s.Moon; });
    e.Contacts[static_cast<std::size_t>(LunarContact::Greatest)] = {true, greatest};

    // The contacts were found in dynamical time; the Moon's altitudes and the reported instants
    // are at universal time.
    for (EclipseInstant& c : e.Contacts) {
        if (!c.Occurs)
            continue;
        const MoonAltitude a = MoonAltitudeAt(PlaceAt(track, c.UT), observer);
        c.Altitude = a.Altitude;
        c.AboveHorizon = IsUp(a);
        e.Visible = e.Visible || c.AboveHorizon;
    }
    const double p1 = e[LunarContact::P1].UT;
    const double p4 = e[LunarContact::P4].UT;
    for (JulianDay t = p1 + kAltitudeStepDays; !e.Visible && t < p4; t += kAltitudeStepDays)
        e.Visible = IsUp(MoonAltitudeAt(PlaceAt(track, t), observer));
    for (EclipseInstant& c : e.Contacts)
        if (c.Occurs)
            c.UT -= track.DeltaTDays;
    return e;
}

} // namespace selvane
