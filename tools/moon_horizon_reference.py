#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Moonrises and moonsets on local dates, from PyEphem, as reference values for the engine.

The reference is independent of Selvane's engine: PyEphem (Debian's python3-ephem) with the
Moon's upper limb at -0:34, pressure 0 (no refraction model) and no elevation, which is the
event the engine's geocentric altitude h0 = 0.7275 pi - 34' stands for.

PyEphem's own next_rising/next_setting give up on a day that starts with the Moon circumpolar
or below the horizon even where it crosses later that day, so the events come from a scan of
PyEphem's altitude: every 2 minutes from local midnight to the next (a zone of fixed offset),
each sign change bisected to a hundredth of a second.  A dip across the horizon that begins and
ends between two samples would be missed; within 2 minutes of its extreme the Moon's altitude
changes by less than 0.001 degree, so no such event is worth a row.

Each row carries the time tolerance of a comparison: 2 minutes, or the time the Moon takes at
the row's slowest crossing to change its altitude by 0.01 degree where that is longer.  The
engine evaluates the Moon's series at universal time (no Delta-T), which moves its Moon by
about that much; where the Moon only grazes the horizon, that moves the crossing by minutes.

Output: C++ table rows for tests/engine/test_riseset.cpp (--format cpp), or one plain line per
place-day for ad-hoc comparisons (--format plain):
    year month day latitude longitude_west offset_minutes | rises | sets
with times in minutes after local midnight; offset_minutes is added to local time to get UT.
The test table was made with

    tools/moon_horizon_reference.py --seed 7071 --count 36 --near-share 0.5 --known
    tools/moon_horizon_reference.py --seed 9151 --count 4 --dip-minutes 30
    tools/moon_horizon_reference.py --day 2051-11-25,36.3728,106.7849,7 \\
                                    --day 2051-11-26,36.3728,106.7849,7
"""

import argparse
import math
import random
import sys

import ephem

STEP_MINUTES = 2
HORIZON = "-0:34"
TOLERANCE_MINUTES = 2.0
MODEL_ALTITUDE_DEG = 0.01  # how far apart the two models' altitudes of the Moon may lie

# Days a user found wrong, with latitude, east-positive longitude and the zone's hours east
# of Greenwich: the Moon crosses the horizon on days its midday declination says it does not.
KNOWN_DAYS = [
    ((1950, 9, 22), 69.1242, -80.4683, -5),
    ((2044, 6, 28), 71.9953, -142.0886, -9),
    ((2050, 4, 14), -73.1022, -91.4544, -6),
    ((2020, 5, 21), 76.1189, 30.9117, 2),
    ((1963, 1, 26), -72.5186, 39.8131, 3),
]


def horizon_events(date, latitude, longitude_east, zone_hours):
    """Rises and sets (minutes after local midnight), the least and greatest height of the
    upper limb above the horizon (degrees) during the local date, and the comparison's
    tolerance (minutes)."""
    observer = ephem.Observer()
    observer.lat = str(latitude)
    observer.lon = str(longitude_east)
    observer.elevation = 0
    observer.pressure = 0
    observer.horizon = HORIZON
    moon = ephem.Moon()
    horizon = float(observer.horizon)

    def height(t):
        observer.date = t
        moon.compute(observer)
        return moon.alt + moon.radius - horizon

    start = ephem.Date(ephem.Date("%d/%d/%d" % date) - zone_hours * ephem.hour)
    samples = [start + i * STEP_MINUTES * ephem.minute for i in range(1440 // STEP_MINUTES + 1)]
    heights = [height(t) for t in samples]
    rises, sets = [], []
    tolerance = TOLERANCE_MINUTES
    for i in range(len(samples) - 1):
        a, b = heights[i], heights[i + 1]
        if (a < 0) == (b < 0):
            continue
        lo, hi = samples[i], samples[i + 1]
        while hi - lo > 0.01 * ephem.second:
            mid = 0.5 * (lo + hi)
            if (height(mid) < 0) == (a < 0):
                lo = mid
            else:
                hi = mid
        t = 0.5 * (lo + hi)
        (rises if a < 0 else sets).append((t - start) * 1440.0)
        # Degrees a minute, over the minute around the crossing.
        rate = abs(math.degrees(height(t + 0.5 * ephem.minute) - height(t - 0.5 * ephem.minute)))
        tolerance = max(tolerance, MODEL_ALTITUDE_DEG / rate)
    low, high = math.degrees(min(heights)), math.degrees(max(heights))
    return rises, sets, low, high, math.ceil(tolerance * 10.0) / 10.0


def random_place_day(rng, min_lat, max_lat):
    date = (rng.randint(1900, 2100), rng.randint(1, 12), rng.randint(1, 28))
    latitude = round(rng.uniform(min_lat, max_lat) * rng.choice((1, -1)), 4)
    longitude = round(rng.uniform(-180.0, 180.0), 4)
    zone_hours = max(-12, min(12, round(longitude / 15.0) + rng.randint(-1, 1)))
    return date, latitude, longitude, zone_hours


def parse_day(text):
    """YYYY-MM-DD,latitude,east longitude,zone hours east of Greenwich."""
    date, latitude, longitude, zone_hours = text.split(",")
    return tuple(int(p) for p in date.split("-")), float(latitude), float(longitude), \
        int(zone_hours)


def cpp_list(values):
    padded = list(values) + [-1] * (2 - len(values))
    return "{%s}" % ", ".join("%.2f" % v if v >= 0 else "-1" for v in padded)


def row(place_day, events, fmt):
    (y, m, d), latitude, longitude, zone_hours = place_day
    rises, sets, _, _, tolerance = events
    offset = -zone_hours * 60
    if fmt == "plain":
        times = lambda vs: " ".join("%.2f" % v for v in vs)
        return "%d %d %d %.4f %.4f %d | %s | %s" % (
            y, m, d, latitude, -longitude, offset, times(rises), times(sets))
    if len(rises) > 2 or len(sets) > 2:
        sys.exit("more than two events of a kind on %d-%d-%d" % (y, m, d))
    return "    {%d, %d, %d, %.4f, %.4f, %d, %s, %s, %.1f}," % (
        y, m, d, latitude, -longitude, offset, cpp_list(rises), cpp_list(sets), tolerance)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=0)
    parser.add_argument("--count", type=int, default=0, help="random place-days")
    parser.add_argument("--min-lat", type=float, default=60.0)
    parser.add_argument("--max-lat", type=float, default=85.0)
    parser.add_argument("--near-share", type=float,
                        help="share of the random days whose lowest or highest point lies "
                        "within --margin degrees of the horizon (the hard days); "
                        "without it the days are taken as drawn")
    parser.add_argument("--margin", type=float, default=3.0)
    parser.add_argument("--dip-minutes", type=float,
                        help="take only days with a rise and a set less than this apart: the "
                        "Moon grazing the horizon, across and back")
    parser.add_argument("--known", action="store_true", help="add the days users found wrong")
    parser.add_argument("--day", action="append", default=[], type=parse_day,
                        help="a given place-day: YYYY-MM-DD,latitude,east longitude,zone hours")
    parser.add_argument("--format", choices=("cpp", "plain"), default="cpp")
    args = parser.parse_args()

    given = (KNOWN_DAYS if args.known else []) + args.day
    rows = [row(place_day, horizon_events(*place_day), args.format) for place_day in given]

    rng = random.Random(args.seed)
    share = 0.0 if args.near_share is None else args.near_share
    wanted_near = round(args.count * share)
    wanted_far = args.count - wanted_near
    while wanted_near + wanted_far > 0:
        place_day = random_place_day(rng, args.min_lat, args.max_lat)
        events = horizon_events(*place_day)
        rises, sets, low, high, _ = events
        if args.dip_minutes is not None and not any(
                abs(r - s) < args.dip_minutes for r in rises for s in sets):
            continue
        if args.near_share is not None and (abs(low) < args.margin or abs(high) < args.margin):
            if wanted_near == 0:
                continue
            wanted_near -= 1
        else:
            if wanted_far == 0:
                continue
            wanted_far -= 1
        rows.append(row(place_day, events, args.format))
    print("\n".join(rows))


if __name__ == "__main__":
    main()
