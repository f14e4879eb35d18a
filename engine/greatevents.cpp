// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/greatevents.h"

#include "engine/lunar.h"
#include "engine/numeric.h"
#include "engine/phases.h"

#include <algorithm>
#include <cmath>

namespace selvane {

namespace {

// Mean intervals, only to place the first index of a walk near the span's start.
constexpr double kFirstMeanNewMoon = 2451550.09765; // k = 0
constexpr double kSynodicMonth = 29.530588853;      // days
constexpr double kFirstMeanPerigee = 2451534.6698;  // k = 0
constexpr double kAnomalisticMonth = 27.55454988;   // days
constexpr double kMoonRefractionDeg = 34.0 / 60.0;

// The calendar month of a local instant, as year * 12 + month.
int LocalMonth(JulianDay universal, const Observer& observer) {
    const CalendarInstant c = JDToGregorianCalendar(UniversalToLocal(universal, observer));
    return c.Year * 12 + c.Month;
}

// The Moon above its rise and set altitude (upper limb on the horizon, refraction included).
bool MoonUp(const LunarPosition& m) {
    return m.Altitude > 0.7275 * m.Parallax - kMoonRefractionDeg;
}

// The perigee nearest an instant.
Apsis NearestPerigee(JulianDay jd) {
    const double k = std::round((jd - kFirstMeanPerigee) / kAnomalisticMonth);
    Apsis best = jdXgee(k - 1.0);
    for (double i : {k, k + 1.0}) {
        const Apsis a = jdXgee(i);
        if (std::fabs(a.JD - jd) < std::fabs(best.JD - jd))
            best = a;
    }
    return best;
}

} // namespace

bool IsBlueMoon(double k, const Observer& observer) {
    return LocalMonth(getMoonJD(k, 0.5), observer) == LocalMonth(getMoonJD(k - 1.0, 0.5), observer);
}

std::vector<GreatEvent> MoonGreatEvents(int year, int month, const Observer& observer) {
    const bool wholeYear = month == kWholeYear;
    const int first = wholeYear ? 1 : month;
    const JulianDay startLocal = DateTimeToJD(year, first, 1, 0, 0, 0);
    const JulianDay endLocal = wholeYear || month == 12 ? DateTimeToJD(year + 1, 1, 1, 0, 0, 0)
                                                        : DateTimeToJD(year, month + 1, 1, 0, 0, 0);
    auto inSpan = [&](JulianDay universal) {
        const JulianDay local = UniversalToLocal(universal, observer);
        return local >= startLocal && local < endLocal;
    };
    auto add = [&](std::vector<GreatEvent>& out, GreatEvent e) {
        e.Local = JDToCalendar(UniversalToLocal(e.UT, observer));
        out.push_back(std::move(e));
    };

    std::vector<GreatEvent> out;
    // Every New and Full Moon within a day of the span: an eclipse's instant lies within hours
    // of its syzygy, and no zone's clock is more than a day from universal time.
    double k = std::floor((startLocal - 1.0 - kFirstMeanNewMoon) / kSynodicMonth) - 1.0;
    for (; getMoonJD(k, 0.0) < endLocal + 1.0; k += 1.0) {
        if (const auto solar = SolarEclipseAt(k, observer)) {
            GreatEvent e;
            e.Kind = GreatEventKind::SolarEclipse;
            e.K = k;
            e.UT =
                solar->Local.Eclipsed ? solar->Local[SolarContact::Greatest].UT : solar->GreatestUT;
            e.Visible = solar->Local.Seen;
            e.Solar = solar;
            if (inSpan(e.UT))
                add(out, std::move(e));
        }

        const double full = k + 0.5;
        if (const auto lunar = LunarEclipseAt(full, observer)) {
            GreatEvent e;
            e.Kind = GreatEventKind::LunarEclipse;
            e.K = full;
            e.UT = (*lunar)[LunarContact::Greatest].UT;
            e.Visible = lunar->Visible;
            e.Lunar = lunar;
            if (inSpan(e.UT))
                add(out, std::move(e));
        }

        const JulianDay fullMoon = getMoonJD(full, 0.5);
        if (!inSpan(fullMoon))
            continue;
        const LunarPosition moon = CLP(fullMoon, observer);
        GreatEvent e;
        e.K = full;
        e.UT = fullMoon;
        e.Visible = MoonUp(moon);
        e.Distance = moon.Distance;
        e.NearestPerigee = NearestPerigee(fullMoon);
        if (moon.Distance < kSupermoonDistanceKm) {
            e.Kind = GreatEventKind::Supermoon;
            add(out, e);
        }
        if (IsBlueMoon(full, observer)) {
            e.Kind = GreatEventKind::BlueMoon;
            add(out, e);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const GreatEvent& a, const GreatEvent& b) { return a.UT < b.UT; });
    return out;
}

} // namespace selvane
