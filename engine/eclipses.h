// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lunar and solar eclipses: the global circumstances of the eclipse at a Full or New Moon and
// what an observer sees of it.
//
// The Sun's and the Moon's series are evaluated in dynamical time (JDE = JD(UT) + Delta-T, see
// deltat.h) and every instant is given back in universal time. The shadows and the radii are
// those of the Five Millennium Canons of F. Espenak and J. Meeus, so that the results can be
// compared with them: the Earth's shadow enlarged by Danjon's rule, the Moon's radius
// k = 0.272488 Earth radii for its limb and 0.272281 for the umbral cone of solar eclipses.

#include "engine/localtime.h"

#include <array>
#include <cstddef>
#include <optional>

namespace selvane {

// One instant of an eclipse and the eclipsed body seen from the observer's place.
struct EclipseInstant {
    bool Occurs = false; // the contact happens in this eclipse (a partial one has no U2, ...)
    JulianDay UT = 0.0;  // universal time
    // Degrees, without refraction: for a lunar eclipse the geocentric altitude of the Moon's
    // centre, for a solar eclipse the Sun's (geocentric and topocentric differ by under 9").
    double Altitude = 0.0;
    // The body's upper limb above the horizon, refraction included, exactly as for its rising
    // and setting: a geocentric altitude above 0.7275 parallax - 34' for the Moon, above
    // -0.8333 degree for the Sun.
    bool AboveHorizon = false;
};

// ---------------------------------------------------------------------------------------------
// Lunar eclipses

enum class LunarEclipseKind {
    Penumbral, // the Moon enters the penumbra only
    Partial,   // part of the Moon enters the umbra
    Total,     // the whole Moon is in the umbra
};

// The contacts in time order, with greatest eclipse in the middle. P1/P4: the Moon's limb
// touches the penumbra from outside; U1/U4 the umbra from outside; U2/U3 from inside.
enum class LunarContact : std::size_t { P1, U1, U2, Greatest, U3, U4, P4 };
inline constexpr std::size_t kLunarContacts = 7;

struct LunarEclipse {
    double K = 0.0; // lunation index of the Full Moon, as getMoonJD takes it (integer + 0.5)
    LunarEclipseKind Kind = LunarEclipseKind::Penumbral;
    // Fractions of the Moon's diameter within the penumbra and the umbra at greatest eclipse;
    // the umbral magnitude is negative when the Moon misses the umbra.
    double PenumbralMagnitude = 0.0;
    double UmbralMagnitude = 0.0;
    // The least distance of the Moon's centre from the shadow axis, in the Earth's equatorial
    // radii, positive when the Moon passes north of the axis.
    double Gamma = 0.0;
    double DeltaT = 0.0; // seconds, the Delta-T used
    std::array<EclipseInstant, kLunarContacts> Contacts{};
    // The Moon is above the horizon (as AboveHorizon) at some instant between P1 and P4.
    bool Visible = false;

    const EclipseInstant& operator[](LunarContact c) const {
        return Contacts[static_cast<std::size_t>(c)];
    }
};

// The eclipse at the Full Moon of lunation index k (integer + 0.5), or nothing when the Moon
// misses the penumbra. The Moon's altitudes are for the observer.
std::optional<LunarEclipse> LunarEclipseAt(double k, const Observer& observer) noexcept;

// ---------------------------------------------------------------------------------------------
// Solar eclipses

enum class SolarEclipseKind {
    Partial, // only the penumbra reaches the Earth
    Annular, // the antumbra (the umbral cone beyond its vertex) reaches the Earth
    Total,   // the umbra reaches the Earth
    Hybrid,  // total along part of the central line and annular along the rest
};

// What the observer sees at the place: the contacts C1 (first) and C4 (last) of the Moon's and
// the Sun's limbs from outside, C2 and C3 from inside when the eclipse is total or annular there.
enum class SolarContact : std::size_t { C1, C2, Greatest, C3, C4 };
inline constexpr std::size_t kSolarContacts = 5;

struct LocalSolarEclipse {
    // The Moon covers part of the Sun at the place at some instant, whether or not the Sun is up.
    bool Eclipsed = false;
    // The Sun is above the horizon (as AboveHorizon) at some instant between C1 and C4.
    bool Seen = false;
    SolarEclipseKind Kind = SolarEclipseKind::Partial; // at the place: Partial, Annular or Total
    // At greatest eclipse at the place: the fraction of the Sun's diameter covered (when the
    // eclipse is total or annular there, the ratio of the Moon's apparent diameter to the
    // Sun's), and the fraction of the Sun's disc covered.
    double Magnitude = 0.0;
    double Obscuration = 0.0;
    std::array<EclipseInstant, kSolarContacts> Contacts{};

    const EclipseInstant& operator[](SolarContact c) const {
        return Contacts[static_cast<std::size_t>(c)];
    }
};

struct SolarEclipse {
    double K = 0.0; // lunation index of the New Moon, as getMoonJD takes it (an integer)
    SolarEclipseKind Kind = SolarEclipseKind::Partial;
    bool Central = false; // the shadow's axis meets the Earth
    // The least distance of the shadow's axis from the Earth's centre, in the Earth's equatorial
    // radii, positive when the axis passes north of the centre.
    double Gamma = 0.0;
    // Greatest eclipse: the instant the axis passes closest to the Earth's centre, and the place
    // on the Earth nearest the axis then (on the axis when the eclipse is central).
    JulianDay GreatestUT = 0.0;
    double GreatestLatitude = 0.0;    // geodetic, degrees, north positive
    double GreatestLongitude = 0.0;   // degrees, WEST positive, as Observer::Longitude
    double GreatestSunAltitude = 0.0; // degrees, at that place and instant
    // At that place: the fraction of the Sun's diameter covered, or for a total, annular or
    // hybrid eclipse the ratio of the Moon's apparent diameter to the Sun's.
    double Magnitude = 0.0;
    double DeltaT = 0.0; // seconds, the Delta-T used
    LocalSolarEclipse Local;
};

// The eclipse at the New Moon of lunation index k (an integer), or nothing when the penumbra
// misses the Earth; Local is for the observer (at sea level).
std::optional<SolarEclipse> SolarEclipseAt(double k, const Observer& observer) noexcept;

} // namespace selvane
