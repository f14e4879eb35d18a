// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/coordinates.h"

#include "engine/constants.h"
#include "engine/numeric.h"

#include <cmath>

namespace selvane {

namespace {

constexpr double kEarthRadiusM = kEarthEquatorialRadiusKm * 1000.0;

} // namespace

Equatorial EclipticToEquatorial(double longitude, double latitude, double obliquity) noexcept {
    const double lambda = DegToRad(longitude);
    const double beta = DegToRad(latitude);
    const double eps = DegToRad(obliquity);
    return {RadToDeg(std::atan2(std::sin(lambda) * std::cos(eps) - std::tan(beta) * std::sin(eps),
                                std::cos(lambda))),
            RadToDeg(ArcSin(std::sin(beta) * std::cos(eps) +
                            std::cos(beta) * std::sin(eps) * std::sin(lambda)))};
}

Horizontal EquatorialToHorizontal(double hourAngle, double dec, double latitude) noexcept {
    const double H = DegToRad(hourAngle);
    const double d = DegToRad(dec);
    const double phi = DegToRad(latitude);
    return {
        Normalize360(RadToDeg(std::atan2(std::sin(H), std::cos(H) * std::sin(phi) -
                                                          std::tan(d) * std::cos(phi))) +
                     180.0),
        RadToDeg(ArcSin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(H)))};
}

GeocentricPlace ObserverGeocentric(double latitude, double heightMetres) noexcept {
    const double phi = DegToRad(latitude);
    const double u = std::atan(kEarthPolarToEquatorial * std::tan(phi));
    const double heightRatio = heightMetres / kEarthRadiusM;
    return {kEarthPolarToEquatorial * std::sin(u) + heightRatio * std::sin(phi),
            std::cos(u) + heightRatio * std::cos(phi)};
}

} // namespace selvane
