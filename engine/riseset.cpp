// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/riseset.h"

#include "engine/lunar.h"
#include "engine/moonhorizon.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/risesettext.h"
#include "engine/risetransitset.h"
#include "engine/solar.h"

#include <cmath>
#include <tuple>
#include <utility>

namespace selvane {

namespace {

bool IsEvent(double v) {
    return v != kNoEvent;
}

// Apparent sidereal time at 0h UT of the day of T, (12.3) p. 87 plus the nutation in RA.
double SiderealTimeAt0h(double T, double nutationInRaArcsec) {
    return Normalize360(100.460618375 + 36000.770053608 * T + 0.000387933333 * T * T -
                        T * T * T / 38710000.0 + nutationInRaArcsec / kArcsecPerDeg);
}

// An event found as the fraction m of a day from the universal instant `base`, on the local
// clock: days after the local midnight `localMidnight`, each instant with the offset in force
// then.
double OnLocalClock(JulianDay base, double m, JulianDay localMidnight, const Observer& observer) {
    return IsEvent(m) ? UniversalToLocal(base + m, observer) - localMidnight : kNoEvent;
}

// The Moon's three events for the day starting at 0h UT `jd0`, as fractions of a day from it.
RiseSetTimes LunarDay(JulianDay jd0, const Observer& observer, int* percent) {
    const double T = (jd0 - kJ2000) / kDaysPerJulianCentury;
    const LunarPosition before = CLP(jd0 - 1.0, observer);
    const LunarPosition day = CLP(jd0, observer);
    const LunarPosition after = CLP(jd0 + 1.0, observer);
    if (percent)
        *percent = day.Percent;

    const double h0 = MoonRiseSetAltitude(day.Parallax);
    return CalculateRiseSet({0.0, before.RA, day.RA, after.RA}, observer.Latitude,
                            observer.Longitude, {0.0, before.Dec, day.Dec, after.Dec}, DegToRad(h0),
                            SiderealTimeAt0h(T, day.NutationInRA), CrossingCheck::Direction);
}

// The Moon's events of the UT day starting at `jd0` on the local clock of the date whose
// midnight is `localMidnight`.
RiseSetTimes LunarDayOnLocalClock(JulianDay jd0, JulianDay localMidnight, const Observer& observer,
                                  int* percent) {
    const RiseSetTimes t = LunarDay(jd0, observer, percent);
    return {OnLocalClock(jd0, t.Transit, localMidnight, observer),
            OnLocalClock(jd0, t.Rise, localMidnight, observer),
            OnLocalClock(jd0, t.Set, localMidnight, observer)};
}

bool AllNone(const RiseSetTimes& t) {
    return !IsEvent(t.Transit) && !IsEvent(t.Rise) && !IsEvent(t.Set);
}

bool InDay(double v) {
    return IsEvent(v) && v >= 0.0 && v <= 1.0;
}

// A Moon event counted from local midnight: at its clock time on this date, else on another.
EventTime MoonEvent(double v) {
    return InDay(v) ? EventAt(v) : kOtherDateEvent;
}

// The Sun's events for the day whose local midnight is the universal instant `jd0`, as
// fractions of a day counted from that local midnight.
RiseSetTimes SolarDay(JulianDay jd0, const Observer& observer, double altitude) {
    const SolarResult before = SolarPositionAt(jd0 - 1.0, observer);
    const SolarResult day = SolarPositionAt(jd0, observer);
    const SolarResult after = SolarPositionAt(jd0 + 1.0, observer);
    // The sidereal time at the sampled instant itself, so that the fractions count from local
    // midnight like the samples they are interpolated between.
    const double theta0 = Normalize360(ApparentSiderealTime(jd0, day.NutationInRA));
    return CalculateRiseSet({0.0, before.RA, day.RA, after.RA}, observer.Latitude,
                            observer.Longitude, {0.0, before.Dec, day.Dec, after.Dec},
                            DegToRad(altitude), theta0);
}

// The Sun's events for the local date whose midnight is `localMidnight`, on the local clock:
// days after that midnight.
RiseSetTimes SolarDayOnLocalClock(JulianDay localMidnight, const Observer& observer,
                                  double altitude) {
    const JulianDay jd0 = LocalToUniversal(localMidnight, observer);
    const RiseSetTimes t = SolarDay(jd0, observer, altitude);
    return {OnLocalClock(jd0, t.Transit, localMidnight, observer),
            OnLocalClock(jd0, t.Rise, localMidnight, observer),
            OnLocalClock(jd0, t.Set, localMidnight, observer)};
}

// The Sun's transit for the local date whose midnight is `localMidnight`, on the local clock,
// for a day whose rise and set the test at its middle declination does not find.
double SolarTransitOnLocalClock(JulianDay localMidnight, const Observer& observer) {
    const JulianDay jd0 = LocalToUniversal(localMidnight, observer);
    const SolarResult before = SolarPositionAt(jd0 - 1.0, observer);
    const SolarResult day = SolarPositionAt(jd0, observer);
    const SolarResult after = SolarPositionAt(jd0 + 1.0, observer);
    const double theta0 = Normalize360(ApparentSiderealTime(jd0, day.NutationInRA));
    return OnLocalClock(
        jd0, CalculateTransit({0.0, before.RA, day.RA, after.RA}, observer.Longitude, theta0),
        localMidnight, observer);
}

// Where the Sun passes its upper or lower transit within this many degrees of an altitude, the
// test at its middle declination may miss a short crossing of it.
constexpr double kGrazingDeg = 1.0;

// Whether the Sun at the date's noon comes within kGrazingDeg of the altitude at its upper or
// lower transit: 90 - |latitude - declination| and |latitude + declination| - 90.
bool SunGrazes(JulianDay localMidnight, const Observer& observer, double altitude) {
    const double dec =
        SolarPositionAt(LocalToUniversal(localMidnight + 0.5, observer), observer).Dec;
    const double highest = 90.0 - std::fabs(observer.Latitude - dec);
    const double lowest = std::fabs(observer.Latitude + dec) - 90.0;
    return std::fabs(highest - altitude) <= kGrazingDeg ||
           std::fabs(lowest - altitude) <= kGrazingDeg;
}

// The Sun's events always read as a clock time of the date: a value off the date is brought
// into it by whole days.
EventTime SunEvent(double v) {
    if (!IsEvent(v))
        return kNoneEvent;
    while (v > 1.0)
        v -= 1.0;
    while (v < 0.0)
        v += 1.0;
    return EventAt(v);
}

} // namespace

LunarRiseSet CalcLunarRiseSet(const ClockTime& clock, const Observer& observer) {
    // 0h UT of the date, which is also the date's midnight on the local clock's scale.
    const JulianDay jd0 = DateTimeToJD(clock.Year, clock.Month, clock.Day, 0, 0, 0);
    LunarRiseSet out;
    out.Entries = {{{"Transit:", kNoneEvent}, {"Moonrise:", kNoneEvent}, {"Moonset:", kNoneEvent}}};

    RiseSetTimes day = LunarDayOnLocalClock(jd0, jd0, observer, &out.Percent);
    const bool neverCrossesAtMidday = AllNone(day);

    if (!neverCrossesAtMidday && !(InDay(day.Transit) && InDay(day.Rise) && InDay(day.Set))) {
        // An event the UT day's search put on another local date (the zone shifts the date
        // against the UT day, and the Moon's day is longer than 24 hours) may still have a
        // namesake on this date: the neighbouring UT days' events, counted from this date's
        // midnight, are taken where they fall on it. Both neighbours are asked, because a
        // search can land on the crossing before the date as well as the one after it.
        const RiseSetTimes before = LunarDayOnLocalClock(jd0 - 1.0, jd0, observer, nullptr);
        const RiseSetTimes after = LunarDayOnLocalClock(jd0 + 1.0, jd0, observer, nullptr);
        for (auto [v, b, a] : {std::tuple{&day.Transit, before.Transit, after.Transit},
                               std::tuple{&day.Rise, before.Rise, after.Rise},
                               std::tuple{&day.Set, before.Set, after.Set}}) {
            if (InDay(*v))
                continue;
            *v = InDay(b) ? b : InDay(a) ? a : kNoEvent;
        }
    }
    if (!neverCrossesAtMidday)
        out.Entries[0].Time = MoonEvent(day.Transit);
    if (InDay(day.Rise) && InDay(day.Set)) {
        out.Entries[1].Time = MoonEvent(day.Rise);
        out.Entries[2].Time = MoonEvent(day.Set);
        return out;
    }

    // Near the poles the Moon's declination moves by degrees within the day, so the test at
    // the middle declination and the interpolated search can both miss a crossing that
    // happens (and the three UT days' searches can all step over one even at middle
    // latitudes): the altitude itself is searched through the local day. An event not found
    // there either is None when the midday test found none and the Moon crosses the horizon
    // at no time of the day, else OtherDate: it happens on another date.
    const HorizonCrossings crossings = MoonHorizonCrossings(
        LocalToUniversal(jd0, observer), LocalToUniversal(jd0 + 1.0, observer), observer);
    const bool none = neverCrossesAtMidday && !crossings.Any;
    for (auto [entry, v, crossing] : {std::tuple{&out.Entries[1], day.Rise, crossings.Rise},
                                      std::tuple{&out.Entries[2], day.Set, crossings.Set}}) {
        if (!InDay(v) && IsEvent(crossing)) {
            // A crossing in the date's last half minute would read "24:00", the next date's
            // 00:00: it counts as on another date, where the interpolated search puts it too.
            const double local = UniversalToLocal(crossing, observer) - jd0;
            if (local * kMinutesPerDay < kMinutesPerDay - 0.5)
                v = local;
        }
        entry->Time = InDay(v) ? EventAt(v) : none ? kNoneEvent : kOtherDateEvent;
    }
    return out;
}

std::array<MoonRiseSetEntry, 3> SortedByTime(std::array<MoonRiseSetEntry, 3> e) {
    for (auto [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}})
        if (ReadsBefore(e[j].Time, e[i].Time))
            std::swap(e[i], e[j]);
    return e;
}

std::array<EventTime, 3> CalcSolarRiseSet(const ClockTime& clock, const Observer& observer,
                                          double altitude) {
    const JulianDay midnight = DateTimeToJD(clock.Year, clock.Month, clock.Day, 0, 0, 0);
    RiseSetTimes t = SolarDayOnLocalClock(midnight, observer, altitude);

    // A set before the date's midnight with a rise after it: the rise of the day before is the
    // one that belongs to that set.
    if (IsEvent(t.Rise) && t.Rise >= 0.0 && IsEvent(t.Set) && t.Set < 0.0)
        t.Rise = SolarDayOnLocalClock(midnight - 1.0, observer, altitude).Rise;

    // Where polar night or day begins or ends, the Sun shows itself (or dips) only for a
    // while near its transit or lower transit, and the test at the middle declination finds no
    // crossing: the altitude itself is searched through the local date, and each crossing found
    // is refined to a second. A crossing in the date's last half minute would read "24:00", the
    // next date's 00:00, and is left to that date.
    if ((!IsEvent(t.Rise) || !IsEvent(t.Set)) && SunGrazes(midnight, observer, altitude)) {
        const HorizonCrossings crossings =
            SunHorizonCrossings(LocalToUniversal(midnight, observer),
                                LocalToUniversal(midnight + 1.0, observer), observer, altitude);
        for (auto [v, crossing] :
             {std::pair{&t.Rise, crossings.Rise}, std::pair{&t.Set, crossings.Set}}) {
            if (IsEvent(*v) || !IsEvent(crossing))
                continue;
            const double local = UniversalToLocal(crossing, observer) - midnight;
            if (local * kMinutesPerDay < kMinutesPerDay - 0.5)
                *v = local;
        }
        if (!IsEvent(t.Transit) && (IsEvent(t.Rise) || IsEvent(t.Set)))
            t.Transit = SolarTransitOnLocalClock(midnight, observer);
    }
    if (AllNone(t))
        return {kNoneEvent, kNoneEvent, kNoneEvent};
    return {SunEvent(t.Transit), SunEvent(t.Rise), SunEvent(t.Set)};
}

} // namespace selvane
