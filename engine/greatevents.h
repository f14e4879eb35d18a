// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's great events of a calendar month or a year for an observer: the lunar and solar
// eclipses, the supermoons and the blue moons, in time order, as numbers. Their texts come from
// greateventstext.h.
//
// A span's events are computed once when the month or year shown changes; nothing here belongs
// in the one-second tick.

#include "engine/apsides.h"
#include "engine/eclipses.h"
#include "engine/localtime.h"
#include "engine/moonevents.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace selvane {

enum class GreatEventKind { LunarEclipse, SolarEclipse, Supermoon, BlueMoon };

// A supermoon is a Full Moon whose centre is nearer the Earth's centre than this at the instant
// of Full Moon (the whole-km distance the Moon panel shows): a fixed distance, so the same Full
// Moon is a supermoon for everybody and whatever the month's apogee (the definition "within
// 90 % of the perigee" depends on which orbit one measures from). About one Full Moon in six
// qualifies, in runs of one to three every 14 months.
inline constexpr std::int32_t kSupermoonDistanceKm = 360000;

struct GreatEvent {
    GreatEventKind Kind = GreatEventKind::LunarEclipse;
    // The event's instant in universal time, and the same instant on the observer's clock
    // (JDToCalendar of UniversalToLocal, minutes cut, as the phase list shows its phases):
    // greatest eclipse (for a solar eclipse the greatest eclipse at the place when the Moon
    // covers part of the Sun there, else the global one), or the instant of Full Moon. The
    // contacts' local times are UniversalToLocal of their UT likewise.
    JulianDay UT = 0.0;
    CalendarInstant Local;
    double K = 0.0; // lunation index of the New or Full Moon, as getMoonJD takes it
    // Eclipses: the eclipse is seen at the place (LunarEclipse::Visible,
    // LocalSolarEclipse::Seen). Supermoons and blue moons: the Moon is above the horizon at the
    // instant of Full Moon.
    bool Visible = false;
    std::optional<LunarEclipse> Lunar; // the lunar eclipse's numbers
    std::optional<SolarEclipse> Solar; // the solar eclipse's numbers
    // Supermoons and blue moons: the Earth-Moon distance at Full Moon, whole km, and the perigee
    // nearest the Full Moon (universal time, as the phases and apsides are).
    std::int32_t Distance = 0;
    Apsis NearestPerigee;
};

// The Full Moon instant and local date used for supermoons and blue moons are those of the
// month's phase list (getMoonJD taken as universal time), so a blue moon falls on the date
// the calendar shows for that Full Moon.

// Whether the Full Moon of lunation index k (integer + 0.5) is a blue moon for the observer:
// the second Full Moon within one calendar month of the observer's clock (the monthly
// definition; the older seasonal one, the third of four Full Moons in a season, is not used).
bool IsBlueMoon(double k, const Observer& observer);

// The events whose instant lies within a calendar month (1..12) of the observer's clock, or
// within the whole year with kWholeYear (0), in time order. A supermoon and a blue moon of the
// same Full Moon share its instant and are listed in that order.
std::vector<GreatEvent> MoonGreatEvents(int year, int month, const Observer& observer);

} // namespace selvane
