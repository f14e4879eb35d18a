#include "engine/riseset.h"

#include "engine/angletext.h"
#include "engine/lunar.h"
#include "engine/numeric.h"
#include "engine/nutation.h"
#include "engine/solar.h"
#include "engine/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace selvane {

namespace {

constexpr double kInterpolationOffsetDays = 0.000775462962963; // 67 s
constexpr double kConvergenceDays = 1e-10;
constexpr double kSiderealRate = 360.985647; // degrees per day
// Near the limit of circumpolarity the iteration may creep or oscillate. An event still moving
// after this many steps is treated as not occurring that date: a time shown from an
// unconverged iteration could be anywhere in the day.
constexpr int kMaxIterations = 50;
constexpr double kMaxDrift = 0.5; // days, the Sun's guard
constexpr double kMoonRefractionDeg = 34.0 / 60.0;

// The direct search of the Moon's horizon crossings through a local day.
constexpr int kHorizonSamples = 24; // intervals: an hour apart, the Moon moving 15 degrees
// Added to the declinations sampled at the day's start, middle and end before they bound the
// day's altitudes: between samples half a day apart the Moon's declination bulges past its
// chord by under 0.05 degree (its second derivative stays below 1.6 degrees a day squared).
constexpr double kDeclinationMarginDeg = 0.25;
// A parabola through three hourly samples places the Moon's highest or lowest point within
// about 0.01 degree; an extreme predicted this close to the horizon is computed.
constexpr double kGrazingMarginDeg = 0.1;
constexpr double kCrossingToleranceDays = 1.0 / kSecondsPerDay;

bool IsEvent(double v) {
    return v != kNoEvent;
}

// Apparent sidereal time at 0h UT of the day of T, (12.3) p. 87 plus the nutation in RA.
double SiderealTimeAt0h(double T, double nutationInRaArcsec) {
    return Normalize360(100.460618375 + 36000.770053608 * T + 0.000387933333 * T * T -
                        T * T * T / 38710000.0 + nutationInRaArcsec / kArcsecPerDeg);
}

// Corrects an event's day fraction m by step(m) until the step is below the convergence limit;
// kNoEvent when it does not settle within kMaxIterations. With `driftGuard`, an iteration that
// wanders more than half a day from its start has left this day's event (near grazing the
// Sun's can settle on the crossing of another day) and counts as no event.
template <typename Step>
double Iterate(double m, bool driftGuard, Step step) {
    const double start = m;
    for (int i = 0; i < kMaxIterations; ++i) {
        const double dm = step(m);
        if (!std::isfinite(dm))
            return kNoEvent;
        m += dm;
        if (driftGuard && std::fabs(m - start) > kMaxDrift)
            return kNoEvent;
        if (std::fabs(dm) < kConvergenceDays)
            return m;
    }
    return kNoEvent;
}

// An event found as the fraction m of a day from the universal instant `base`, on the local
// clock: days after the local midnight `localMidnight`, each instant with the offset in force
// then.
double OnLocalClock(JulianDay base, double m, JulianDay localMidnight, const Observer& observer) {
    return IsEvent(m) ? UniversalToLocal(base + m, observer) - localMidnight : kNoEvent;
}

// The geocentric altitude of the Moon's rise and set: the upper limb on the horizon with the
// refraction at the horizon, (15.1) p. 98.
double MoonRiseSetAltitude(double parallax) {
    return 0.7275 * parallax - kMoonRefractionDeg;
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

// The text of a Moon event counted from local midnight: a clock time on this date, else
// "*****".
std::string MoonTimeText(double v) {
    return InDay(v) ? Utf8Left(HoursToText(v * kHoursPerDay), 10) : kOtherDayText;
}

// The Moon at a universal instant: its altitude above that of its rise and set (degrees).
struct MoonHeight {
    JulianDay At = 0.0;
    double Height = 0.0;
    double Dec = 0.0; // degrees
    double H0 = 0.0;  // the rise and set altitude, degrees
};

MoonHeight MoonHeightAt(JulianDay jd, const Observer& observer) {
    const LunarPosition p = CLP(jd, observer);
    const double h0 = MoonRiseSetAltitude(p.Parallax);
    return {jd, p.Altitude - h0, p.Dec, h0};
}

bool Above(const MoonHeight& m) {
    return m.Height >= 0.0;
}

// Whether the Moon stays above, or below, its rise and set altitude all day, judged from the
// declinations at the day's start, middle and end. Whatever the hour angle, the altitude lies
// between |latitude + declination| - 90 (lower culmination) and 90 - |latitude - declination|
// (upper culmination).
bool StaysOnOneSide(const MoonHeight& start, const MoonHeight& middle, const MoonHeight& end,
                    double latitude) {
    const double decLow = std::min({start.Dec, middle.Dec, end.Dec}) - kDeclinationMarginDeg;
    const double decHigh = std::max({start.Dec, middle.Dec, end.Dec}) + kDeclinationMarginDeg;
    const double h0Low = std::min({start.H0, middle.H0, end.H0});
    const double h0High = std::max({start.H0, middle.H0, end.H0});
    const double highest = 90.0 - std::fabs(latitude - std::clamp(latitude, decLow, decHigh));
    const double lowest = std::fabs(latitude + std::clamp(-latitude, decLow, decHigh)) - 90.0;
    return highest < h0Low || lowest > h0High;
}

// The instant within a bracket of opposite heights where the Moon crosses its rise and set
// altitude, to a second: false position with the Illinois halving of the end that stays, each
// trial kept some way inside the bracket so that both ends close in.
JulianDay RefineCrossing(MoonHeight a, MoonHeight b, const Observer& observer) {
    constexpr double inset = 0.4 * kCrossingToleranceDays;
    double ha = a.Height;
    double hb = b.Height;
    int kept = 0; // which end stayed on the last step: -1 a, +1 b
    while (b.At - a.At > kCrossingToleranceDays) {
        const JulianDay guess = (a.At * hb - b.At * ha) / (hb - ha);
        const MoonHeight m = MoonHeightAt(std::clamp(guess, a.At + inset, b.At - inset), observer);
        if (Above(m) == Above(a)) {
            a = m;
            ha = m.Height;
            if (kept == +1)
                hb /= 2.0;
            kept = +1;
        } else {
            b = m;
            hb = m.Height;
            if (kept == -1)
                ha /= 2.0;
            kept = -1;
        }
    }
    return (a.At + b.At) / 2.0;
}

// The Moon's first rise and first set between two universal instants, found from its altitude.
struct HorizonCrossings {
    JulianDay Rise = kNoEvent;
    JulianDay Set = kNoEvent;
    bool Any = false; // it crosses at all
};

HorizonCrossings MoonHorizonCrossings(JulianDay start, JulianDay end, const Observer& observer) {
    const double step = (end - start) / kHorizonSamples;
    std::array<MoonHeight, kHorizonSamples + 1> s;
    constexpr int middle = kHorizonSamples / 2;
    s[0] = MoonHeightAt(start, observer);
    s[middle] = MoonHeightAt(start + middle * step, observer);
    s[kHorizonSamples] = MoonHeightAt(end, observer);
    HorizonCrossings found;
    if (StaysOnOneSide(s[0], s[middle], s[kHorizonSamples], observer.Latitude))
        return found;
    for (int k = 1; k < kHorizonSamples; ++k)
        if (k != middle)
            s[static_cast<std::size_t>(k)] = MoonHeightAt(start + k * step, observer);

    auto take = [&](const MoonHeight& a, const MoonHeight& b) {
        JulianDay& slot = Above(a) ? found.Set : found.Rise;
        if (slot == kNoEvent)
            slot = RefineCrossing(a, b, observer);
        found.Any = true;
    };
    for (std::size_t k = 0; k < kHorizonSamples; ++k) {
        const MoonHeight& a = s[k];
        const MoonHeight& b = s[k + 1];
        if (Above(a) != Above(b)) {
            take(a, b);
            continue;
        }
        // The Moon may dip across the horizon and back between two samples near its highest or
        // lowest point: the parabola through this interval and a neighbouring sample places
        // that point, and the Moon is computed there when it may lie across.
        const std::size_t c = k == 0 ? 1 : k; // the parabola's middle sample
        const double y0 = s[c - 1].Height;
        const double y1 = s[c].Height;
        const double y2 = s[c + 1].Height;
        const double curvature = y0 - 2.0 * y1 + y2;
        if (curvature == 0.0)
            continue;
        const double x = (y0 - y2) / (2.0 * curvature); // steps from the middle sample
        const JulianDay at = s[c].At + x * step;
        if (!(at > a.At && at < b.At))
            continue;
        const double extreme = y1 - (y0 - y2) * (y0 - y2) / (8.0 * curvature);
        if (Above(a) ? extreme > kGrazingMarginDeg : extreme < -kGrazingMarginDeg)
            continue;
        const MoonHeight m = MoonHeightAt(at, observer);
        if (Above(m) != Above(a)) {
            take(a, m);
            take(m, b);
        }
    }
    return found;
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

// The Sun's times always show a clock time of the day: a value off the date is brought into it
// by whole days.
std::string SunTimeText(double v) {
    if (!IsEvent(v))
        return kNoneText;
    while (v > 1.0)
        v -= 1.0;
    while (v < 0.0)
        v += 1.0;
    return Utf8Left(HoursToText(v * kHoursPerDay), 10);
}

} // namespace

double Interpolate(const DaySeries& s, double n) noexcept {
    const double a = s.Y2 - s.Y1;
    const double b = s.Y3 - s.Y2;
    const double c = b - a;
    return s.Y2 + n / 2.0 * (a + b + n * c);
}

RiseSetTimes CalculateRiseSet(DaySeries ra, double latitude, double longitude, DaySeries dec,
                              double h0, double theta0, CrossingCheck check) noexcept {
    if (ra.Y1 > ra.Y2)
        ra.Y1 -= 360.0;
    if (ra.Y3 < ra.Y2)
        ra.Y3 += 360.0;

    const double phi = DegToRad(latitude);
    const double cosH0 = (std::sin(h0) - std::sin(phi) * std::sin(DegToRad(dec.Y2))) /
                         (std::cos(phi) * std::cos(DegToRad(dec.Y2)));
    // Also catches the division by zero at the poles: circumpolar or never up.
    if (!(std::fabs(cosH0) <= 1.0))
        return {};
    const double H0 = RadToDeg(ArcCos(cosH0));

    double m0 = (ra.Y2 + longitude - theta0) / 360.0;
    double m1 = m0 - H0 / 360.0;
    double m2 = m0 + H0 / 360.0;
    for (double* m : {&m0, &m1, &m2})
        while (*m < 0.0)
            *m += 1.0;

    const double h0Deg = RadToDeg(h0);
    // The hour angle at day fraction m of the interpolated place; fills dec.Current.
    auto hourAngle = [&](double m) {
        const double n = m + kInterpolationOffsetDays;
        ra.Current = Normalize360(Interpolate(ra, n));
        dec.Current = Interpolate(dec, n);
        const double theta = Normalize360(theta0 + kSiderealRate * m);
        return std::remainder(theta - longitude - ra.Current, 360.0); // [-180, 180]
    };
    auto altitudeStep = [&](double m) {
        const double H = DegToRad(hourAngle(m));
        const double d = DegToRad(dec.Current);
        const double h = RadToDeg(
            ArcSin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(H)));
        return (h - h0Deg) / (360.0 * std::cos(d) * std::cos(phi) * std::sin(H));
    };

    const bool driftGuard = check == CrossingCheck::DriftGuard;
    // A converged root with the hour angle on the wrong side is the other crossing (near
    // grazing the two lie close together): no event of this kind.
    auto crossing = [&](double m, double sign) {
        if (driftGuard || m == kNoEvent)
            return m;
        return sign * hourAngle(m) > 0.0 ? m : kNoEvent;
    };

    RiseSetTimes t;
    t.Rise = crossing(Iterate(m1, driftGuard, altitudeStep), -1.0);
    t.Set = crossing(Iterate(m2, driftGuard, altitudeStep), +1.0);
    t.Transit = Iterate(m0, driftGuard, [&](double m) { return -hourAngle(m) / 360.0; });
    return t;
}

LunarRiseSet CalcLunarRiseSet(const ClockTime& clock, const Observer& observer) {
    // 0h UT of the date, which is also the date's midnight on the local clock's scale.
    const JulianDay jd0 = DateTimeToJD(clock.Year, clock.Month, clock.Day, 0, 0, 0);
    LunarRiseSet out;
    out.Entries = {{{"Transit:", kNoneText}, {"Moonrise:", kNoneText}, {"Moonset:", kNoneText}}};

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
        out.Entries[0].Time = MoonTimeText(day.Transit);
    if (InDay(day.Rise) && InDay(day.Set)) {
        out.Entries[1].Time = MoonTimeText(day.Rise);
        out.Entries[2].Time = MoonTimeText(day.Set);
        return out;
    }

    // Near the poles the Moon's declination moves by degrees within the day, so the test at
    // the middle declination and the interpolated search can both miss a crossing that
    // happens (and the three UT days' searches can all step over one even at middle
    // latitudes): the altitude itself is searched through the local day. An event not found
    // there either reads "None" when the midday test found none and the Moon crosses the
    // horizon at no time of the day, else "*****": it happens on another date.
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
        entry->Time = InDay(v) ? MoonTimeText(v) : none ? kNoneText : kOtherDayText;
    }
    return out;
}

std::array<MoonRiseSetEntry, 3> SortedByTime(std::array<MoonRiseSetEntry, 3> e) {
    for (auto [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}})
        if (e[j].Time < e[i].Time)
            std::swap(e[i], e[j]);
    return e;
}

std::array<std::string, 3> CalcSolarRiseSet(const ClockTime& clock, const Observer& observer,
                                            double altitude) {
    const JulianDay midnight = DateTimeToJD(clock.Year, clock.Month, clock.Day, 0, 0, 0);
    RiseSetTimes t = SolarDayOnLocalClock(midnight, observer, altitude);
    if (AllNone(t))
        return {kNoneText, kNoneText, kNoneText};

    // A set before the date's midnight with a rise after it: the rise of the day before is the
    // one that belongs to that set.
    if (IsEvent(t.Rise) && t.Rise >= 0.0 && IsEvent(t.Set) && t.Set < 0.0)
        t.Rise = SolarDayOnLocalClock(midnight - 1.0, observer, altitude).Rise;

    return {SunTimeText(t.Transit), SunTimeText(t.Rise), SunTimeText(t.Set)};
}

} // namespace selvane
