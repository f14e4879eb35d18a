// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Solar eclipses from the Moon's shadow in the fundamental plane: the plane through the Earth's
// centre perpendicular to the shadow's axis, as the Besselian elements describe it.

#include "engine/coordinates.h"
#include "engine/deltat.h"
#include "engine/eclipses.h"
#include "engine/numeric.h"
#include "engine/phases.h"
#include "engine/riseset.h"
#include "engine/sunmoontrack.h"

#include <algorithm>
#include <cmath>

namespace selvane {

namespace {

constexpr double kEarthRadiusKm = 6378.137; // equatorial
constexpr double kAstronomicalUnitKm = 149597870.7;
constexpr double kSunSemidiameterAt1Au = 959.63 / kArcsecPerDeg; // degrees
constexpr double kMoonPenumbralRadius = 0.272488;                // k1, Earth radii
constexpr double kMoonUmbralRadius = 0.272281; // k2: the mean radius below the limb's peaks
constexpr double kEarthFlattening = 1.0 / 298.257;
constexpr double kEarthEccentricity2 = kEarthFlattening * (2.0 - kEarthFlattening);
constexpr double kObserverHeightM = 0.0; // sea level, as the canons' local circumstances
// The penumbra crosses the Earth within 3.5 hours of the New Moon.
constexpr double kHalfSpanDays = 5.0 / kHoursPerDay;
constexpr double kToleranceDays = 0.1 / kSecondsPerDay;
constexpr double kScanStepDays = 10.0 / kMinutesPerDay;
// Points of the central line checked for the sign of the umbra's radius.
constexpr int kCentralLineSamples = 48;

// The shadow at one instant: the fundamental plane's coordinates of its axis and the radii of
// its two cones there, in the Earth's equatorial radii.
struct Bessel {
    double X = 0.0;
    double Y = 0.0;
    double D = 0.0;  // declination of the shadow's axis, radians
    double Mu = 0.0; // Greenwich hour angle of the axis, degrees, not reduced
    double L1 = 0.0; // radius of the penumbra
    double L2 = 0.0; // radius of the umbra, negative where the umbra reaches the plane
    double TanF1 = 0.0;
    double TanF2 = 0.0;
};

Bessel BesselAt(const SunMoonPlace& p) {
    const double sunRA = DegToRad(p.SunRA);
    const double sunDec = DegToRad(p.SunDec);
    const double moonRA = DegToRad(p.MoonRA);
    const double moonDec = DegToRad(p.MoonDec);
    const double earthRadiiPerAu = kAstronomicalUnitKm / kEarthRadiusKm;
    const double rs = p.SunDistance * earthRadiiPerAu;
    const double rm = p.MoonDistance / kEarthRadiusKm;
    const double b = rm / rs;

    // The direction from the Moon to the Sun, the shadow's axis, times g.
    const double dRA = moonRA - sunRA;
    const double gs = -b * std::cos(moonDec) * std::sin(dRA);
    const double gc = std::cos(sunDec) - b * std::cos(moonDec) * std::cos(dRA);
    const double gz = std::sin(sunDec) - b * std::sin(moonDec);
    const double g = std::sqrt(gs * gs + gc * gc + gz * gz);
    const double a = sunRA + std::atan2(gs, gc);

    Bessel e;
    e.D = std::asin(gz / g);
    const double h = moonRA - a;
    e.X = rm * std::cos(moonDec) * std::sin(h);
    e.Y =
        rm * (std::sin(moonDec) * std::cos(e.D) - std::cos(moonDec) * std::sin(e.D) * std::cos(h));
    const double z =
        rm * (std::sin(moonDec) * std::sin(e.D) + std::cos(moonDec) * std::cos(e.D) * std::cos(h));

    // The cones' half-angles from the Sun's radius and the Moon-Sun distance.
    const double sunRadius = std::sin(DegToRad(kSunSemidiameterAt1Au)) * earthRadiiPerAu;
    const double moonToSun = g * rs;
    const double f1 = std::asin((sunRadius + kMoonPenumbralRadius) / moonToSun);
    const double f2 = std::asin((sunRadius - kMoonUmbralRadius) / moonToSun);
    e.TanF1 = std::tan(f1);
    e.TanF2 = std::tan(f2);
    e.L1 = z * e.TanF1 + kMoonPenumbralRadius / std::cos(f1);
    e.L2 = z * e.TanF2 - kMoonUmbralRadius / std::cos(f2);
    e.Mu = p.SiderealTime - RadToDeg(a);
    return e;
}

// The observer in the fundamental plane and the shadow's radii at the observer's height ζ.
struct AtPlace {
    double Distance = 0.0; // of the observer from the shadow's axis
    double L1 = 0.0;
    double L2 = 0.0;
};

AtPlace ShadowAtPlace(const Bessel& e, const GeocentricPlace& place, double longitude) {
    const double H = DegToRad(e.Mu - longitude);
    const double xi = place.RhoCosPhi * std::sin(H);
    const double eta =
        place.RhoSinPhi * std::cos(e.D) - place.RhoCosPhi * std::cos(H) * std::sin(e.D);
    const double zeta =
        place.RhoSinPhi * std::sin(e.D) + place.RhoCosPhi * std::cos(H) * std::cos(e.D);
    return {std::hypot(e.X - xi, e.Y - eta), e.L1 - zeta * e.TanF1, e.L2 - zeta * e.TanF2};
}

// The Earth's outline in the fundamental plane is an ellipse whose minor axis is rho1; scaling
// y by 1 / rho1 makes it the unit circle.
double Rho1(double d) {
    return std::sqrt(1.0 - kEarthEccentricity2 * std::cos(d) * std::cos(d));
}

// The place whose fundamental-plane coordinates are x and y1 = y / rho1, on the Earth's surface
// on the side facing the Sun (on the limb when x^2 + y1^2 = 1). Explanatory Supplement to the
// Astronomical Almanac (1992), section 8.333.
struct SurfacePlace {
    double Latitude = 0.0;  // geodetic, degrees
    double Longitude = 0.0; // degrees, west positive
};

SurfacePlace PlaceUnderAxis(const Bessel& e, double x, double y1) {
    const double rho1 = Rho1(e.D);
    const double sinD1 = std::sin(e.D) / rho1;
    const double cosD1 = std::sqrt(1.0 - kEarthEccentricity2) * std::cos(e.D) / rho1;
    const double zeta1 = std::sqrt(std::fmax(0.0, 1.0 - x * x - y1 * y1));
    const double sinPhi1 = y1 * cosD1 + zeta1 * sinD1;
    const double H = RadToDeg(std::atan2(x, zeta1 * cosD1 - y1 * sinD1));
    const double phi1 = ArcSin(sinPhi1);
    SurfacePlace s;
    s.Latitude = RadToDeg(std::atan(std::tan(phi1) / std::sqrt(1.0 - kEarthEccentricity2)));
    s.Longitude = Normalize360(e.Mu - H + 180.0) - 180.0;
    return s;
}

// The Sun's geometric altitude (degrees) at a place.
double SunAltitude(const SunMoonPlace& p, double latitude, double longitude) {
    const double H = DegToRad(p.SiderealTime - longitude - p.SunRA);
    const double dec = DegToRad(p.SunDec);
    const double phi = DegToRad(latitude);
    return RadToDeg(
        ArcSin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(H)));
}

// The part of the Sun's disc (radius 1) covered by the Moon's (radius m) with centres c apart.
double CoveredFraction(double m, double c) {
    if (c >= 1.0 + m)
        return 0.0;
    if (c <= std::fabs(m - 1.0))
        return std::fmin(m * m, 1.0);
    const double a1 = std::acos((c * c + 1.0 - m * m) / (2.0 * c));
    const double a2 = std::acos((c * c + m * m - 1.0) / (2.0 * c * m));
    const double kite =
        0.5 * std::sqrt((-c + 1.0 + m) * (c + 1.0 - m) * (c - 1.0 + m) * (c + 1.0 + m));
    return (a1 + m * m * a2 - kite) / kPi;
}

LocalSolarEclipse LocalCircumstances(const SunMoonTrack& track, JulianDay first, JulianDay last,
                                     const Observer& observer) {
    const GeocentricPlace place = ObserverGeocentric(observer.Latitude, kObserverHeightM);
    auto shadow = [&](JulianDay t) {
        return ShadowAtPlace(BesselAt(PlaceAt(track, t)), place, observer.Longitude);
    };
    auto distance = [&](JulianDay t) {
        return shadow(t).Distance;
    };

    // The shadow's axis passes the observer once within the span; the scan brackets the closest
    // approach before the golden section refines it.
    JulianDay best = first;
    double bestDistance = distance(first);
    for (JulianDay t = first + kScanStepDays; t <= last; t += kScanStepDays) {
        const double d = distance(t);
        if (d < bestDistance) {
            bestDistance = d;
            best = t;
        }
    }
    const JulianDay greatest = FindMinimum(distance, std::max(first, best - kScanStepDays),
                                           std::min(last, best + kScanStepDays), kToleranceDays);
    const AtPlace g = shadow(greatest);

    LocalSolarEclipse local;
    if (!(g.Distance < g.L1))
        return local;
    local.Eclipsed = true;

    auto set = [&](SolarContact c, JulianDay t) {
        local.Contacts[static_cast<std::size_t>(c)] = {true, t};
    };
    auto outer = [&](JulianDay t) {
        const AtPlace s = shadow(t);
        return s.Distance - s.L1;
    };
    set(SolarContact::C1, FindCrossing(outer, first, greatest, kToleranceDays));
    set(SolarContact::C4, FindCrossing(outer, greatest, last, kToleranceDays));
    set(SolarContact::Greatest, greatest);
    const bool central = g.Distance < std::fabs(g.L2);
    if (central) {
        auto inner = [&](JulianDay t) {
            const AtPlace s = shadow(t);
            return s.Distance - std::fabs(s.L2);
        };
        set(SolarContact::C2, FindCrossing(inner, first, greatest, kToleranceDays));
        set(SolarContact::C3, FindCrossing(inner, greatest, last, kToleranceDays));
        local.Kind = g.L2 < 0.0 ? SolarEclipseKind::Total : SolarEclipseKind::Annular;
    }

    // In units of the Sun's apparent radius (L1 + L2) / 2 the Moon's is (L1 - L2) / (L1 + L2).
    const double sunRadius = (g.L1 + g.L2) / 2.0;
    const double moonRadius = (g.L1 - g.L2) / 2.0 / sunRadius;
    local.Magnitude = central ? moonRadius : (g.L1 - g.Distance) / (g.L1 + g.L2);
    local.Obscuration = CoveredFraction(moonRadius, g.Distance / sunRadius);

    auto sunUp = [&](JulianDay t, double* altitude) {
        const double h = SunAltitude(PlaceAt(track, t), observer.Latitude, observer.Longitude);
        if (altitude)
            *altitude = h;
        return h > kSunriseAltitude;
    };
    for (EclipseInstant& c : local.Contacts) {
        if (!c.Occurs)
            continue;
        c.AboveHorizon = sunUp(c.UT, &c.Altitude);
        local.Seen = local.Seen || c.AboveHorizon;
    }
    const JulianDay c1 = local[SolarContact::C1].UT;
    const JulianDay c4 = local[SolarContact::C4].UT;
    for (JulianDay t = c1 + kScanStepDays / 2.0; !local.Seen && t < c4; t += kScanStepDays / 2.0)
        local.Seen = sunUp(t, nullptr);
    for (EclipseInstant& c : local.Contacts)
        if (c.Occurs)
            c.UT -= track.DeltaTDays;
    return local;
}

} // namespace

std::optional<SolarEclipse> SolarEclipseAt(double k, const Observer& observer) noexcept {
    // Far from a node the Moon passes well clear of the shadow. Chapter 54, p. 380.
    if (!NearANode(k))
        return std::nullopt;

    // getMoonJD evaluates the phase series published for dynamical time: its value is a JDE.
    const JulianDay newMoon = getMoonJD(k, 0.0);
    const double deltaT = DeltaTSecondsAt(newMoon);
    const SunMoonTrack track = MakeSunMoonTrack(newMoon, kHalfSpanDays, deltaT);
    auto bessel = [&](JulianDay jde) {
        return BesselAt(PlaceAt(track, jde));
    };
    const JulianDay first = newMoon - kHalfSpanDays;
    const JulianDay last = newMoon + kHalfSpanDays;

    const JulianDay greatest = FindMinimum(
        [&](JulianDay t) {
            const Bessel e = bessel(t);
            return e.X * e.X + e.Y * e.Y;
        },
        first, last, kToleranceDays);
    const Bessel e = bessel(greatest);
    const double y1 = e.Y / Rho1(e.D);
    const double m1 = std::hypot(e.X, y1); // the axis' distance in units of the Earth's outline

    SolarEclipse s;
    s.K = k;
    s.DeltaT = deltaT;
    s.Gamma = std::copysign(std::hypot(e.X, e.Y), e.Y);
    s.GreatestUT = greatest - track.DeltaTDays;
    s.Central = m1 < 1.0;

    SurfacePlace where;
    if (s.Central) {
        where = PlaceUnderAxis(e, e.X, y1);
        // Total or annular at each point of the central line, by the sign of the umbra's radius
        // at the height of that point; hybrid when it changes along the line. The line runs
        // between the instants the axis enters and leaves the Earth's outline.
        auto outline = [&](JulianDay t) {
            const Bessel b = bessel(t);
            const double yy = b.Y / Rho1(b.D);
            return b.X * b.X + yy * yy - 1.0;
        };
        const JulianDay begin = FindCrossing(outline, first, greatest, kToleranceDays);
        const JulianDay end = FindCrossing(outline, greatest, last, kToleranceDays);
        bool total = false;
        bool annular = false;
        for (int i = 0; i <= kCentralLineSamples; ++i) {
            const JulianDay t = begin + (end - begin) * i / kCentralLineSamples;
            const Bessel b = bessel(t);
            const SurfacePlace p = PlaceUnderAxis(b, b.X, b.Y / Rho1(b.D));
            const GeocentricPlace g = ObserverGeocentric(p.Latitude, kObserverHeightM);
            if (ShadowAtPlace(b, g, p.Longitude).L2 < 0.0)
                total = true;
            else
                annular = true;
        }
        s.Kind = total && annular ? SolarEclipseKind::Hybrid
                 : total          ? SolarEclipseKind::Total
                                  : SolarEclipseKind::Annular;
        const AtPlace at =
            ShadowAtPlace(e, ObserverGeocentric(where.Latitude, kObserverHeightM), where.Longitude);
        s.Magnitude = (at.L1 - at.L2) / (at.L1 + at.L2);
    } else {
        // The place on the Earth's limb nearest the axis, where the Sun is on the horizon.
        where = PlaceUnderAxis(e, e.X / m1, y1 / m1);
        const double limbDistance = (m1 - 1.0) / m1 * std::hypot(e.X, e.Y);
        if (!(limbDistance < e.L1))
            return std::nullopt;
        if (limbDistance < std::fabs(e.L2))
            s.Kind = e.L2 < 0.0 ? SolarEclipseKind::Total : SolarEclipseKind::Annular;
        s.Magnitude = (e.L1 - limbDistance) / (e.L1 + e.L2);
    }
    s.GreatestLatitude = where.Latitude;
    s.GreatestLongitude = where.Longitude;
    s.GreatestSunAltitude = SunAltitude(PlaceAt(track, greatest), where.Latitude, where.Longitude);
    s.Local = LocalCircumstances(track, first, last, observer);
    return s;
}

} // namespace selvane
