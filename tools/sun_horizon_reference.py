#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Sun's crossings of the sunrise and twilight altitudes on local dates where it only
grazes them, from PyEphem, as reference values for the engine.

The reference is independent of Selvane's engine: PyEphem (Debian's python3-ephem) with
pressure 0 (no refraction model) and no elevation.  The engine's events are the Sun's centre
at a geocentric altitude: -0:50 for sunrise and sunset (the upper limb on the horizon with the
usual refraction), -6, -12 and -18 degrees for the twilights.  PyEphem's altitude is
topocentric, lower by the Sun's parallax (8.8 arcseconds times the cosine of the altitude), so
the scan adds that back before it compares.

These are the days where polar night or day begins or ends (and the first and last nights
with a twilight's darkness): the Sun comes within a degree of the altitude at its transit or
lower transit, and may cross it for a short while or not at all.  Random days whose date
before or after crosses the altitude within half an hour of their shared midnight are left
out: there the window shows that date's event, brought into this one by a whole day, where
this date has none.  PyEphem's own
next_rising/next_setting give up on such days, so the events come from a scan of PyEphem's
altitude: every 2 minutes from local midnight to the next (a zone of fixed offset), each sign
change bisected to a hundredth of a second.  A crossing and back between two samples would be
missed; within 2 minutes of its extreme the Sun's altitude changes by less than 0.0005 degree.

Each row carries the time tolerance of a comparison: 5 seconds, or the time the Sun takes at
the row's slowest crossing to change its altitude by 0.0003 degree (an arcsecond: what the two
models' Suns and Delta-Ts differ by) where that is longer.

Output: C++ table rows for tests/engine/test_riseset.cpp:
    {year, month, day, latitude, longitude_west, offset_minutes, altitude, rise, set, tolerance},
with rise and set in minutes after local midnight (-1: none that date), the tolerance in
seconds; offset_minutes is added to local time to get UT.  The test table was made with

    tools/sun_horizon_reference.py --known --seed 4127 --count 24
"""

import argparse
import math
import random

import ephem

STEP_MINUTES = 2
ALTITUDES = [-50.0 / 60.0, -6.0, -12.0, -18.0]
GRAZING_DEG = 1.0
NEIGHBOUR_MINUTES = 30.0
TOLERANCE_SECONDS = 5.0
MODEL_ALTITUDE_DEG = 0.0003
SUN_PARALLAX_ARCSEC = 8.794  # at 1 AU

# Days a user found shown as "None": latitude, east-positive longitude, the zone's hours east
# of Greenwich, and the altitude.
KNOWN_DAYS = [
    ((1990, 2, 7), 75.0 + 25.0 / 60 + 14.0 / 3600, 70.0 + 43.0 / 60 + 12.0 / 3600, 5,
     ALTITUDES[0]),
    ((1990, 2, 8), 75.0 + 25.0 / 60 + 14.0 / 3600, 70.0 + 43.0 / 60 + 12.0 / 3600, 5,
     ALTITUDES[0]),
    ((2041, 2, 16), -(76.0 + 58.0 / 60 + 27.0 / 3600), 37.0 + 9.0 / 60 + 15.0 / 3600, 2,
     ALTITUDES[0]),
]


def observer_at(latitude, longitude_east):
    observer = ephem.Observer()
    observer.lat = str(latitude)
    observer.lon = str(longitude_east)
    observer.elevation = 0
    observer.pressure = 0
    return observer


def local_midnight(date, zone_hours):
    return ephem.Date(ephem.Date("%d/%d/%d" % date) - zone_hours * ephem.hour)


def grazes(date, latitude, longitude_east, zone_hours, altitude):
    """Whether the Sun at the date's noon comes within GRAZING_DEG of the altitude at its
    transit or lower transit."""
    sun = ephem.Sun()
    sun.compute(ephem.Date(local_midnight(date, zone_hours) + 0.5))
    dec = math.degrees(sun.dec)
    highest = 90.0 - abs(latitude - dec)
    lowest = abs(latitude + dec) - 90.0
    return abs(highest - altitude) <= GRAZING_DEG or abs(lowest - altitude) <= GRAZING_DEG


def crossings(date, latitude, longitude_east, zone_hours, altitude):
    """Rises and sets (minutes after local midnight) and the comparison's tolerance
    (seconds)."""
    observer = observer_at(latitude, longitude_east)
    sun = ephem.Sun()

    def height(t):
        observer.date = t
        sun.compute(observer)
        parallax = math.radians(SUN_PARALLAX_ARCSEC / 3600.0) / sun.earth_distance
        return math.degrees(sun.alt + parallax * math.cos(sun.alt)) - altitude

    start = local_midnight(date, zone_hours)
    samples = [start + i * STEP_MINUTES * ephem.minute for i in range(1440 // STEP_MINUTES + 1)]
    heights = [height(t) for t in samples]
    rises, sets = [], []
    tolerance = TOLERANCE_SECONDS
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
        # Degrees a second, over the minute around the crossing.
        rate = abs(height(t + 0.5 * ephem.minute) - height(t - 0.5 * ephem.minute)) / 60.0
        tolerance = max(tolerance, MODEL_ALTITUDE_DEG / rate)
    return rises, sets, math.ceil(tolerance)


def row(place_day, events):
    (y, m, d), latitude, longitude, zone_hours, altitude = place_day
    rises, sets, tolerance = events
    first = lambda values: "%.3f" % values[0] if values else "-1"
    return "    {%d, %d, %d, %.6f, %.6f, %d, %.4f, %s, %s, %d}," % (
        y, m, d, latitude, -longitude, -zone_hours * 60, altitude, first(rises), first(sets),
        tolerance)


def near_midnight_on_neighbours(date, latitude, longitude, zone_hours, altitude):
    """Whether the date before or after has a crossing within NEIGHBOUR_MINUTES of the
    midnight it shares with the date: the window shows the Sun's event of another date, brought
    into this one by a whole day, where this date has none, and this scan cannot tell that."""
    day = ephem.Date("%d/%d/%d" % date)
    for shift, near in ((-1, lambda t: t > 1440.0 - NEIGHBOUR_MINUTES),
                        (+1, lambda t: t < NEIGHBOUR_MINUTES)):
        y, m, d = ephem.Date(day + shift).triple()
        rises, sets, _ = crossings((y, m, int(d)), latitude, longitude, zone_hours, altitude)
        if any(near(t) for t in rises + sets):
            return True
    return False


def random_grazing_day(rng):
    while True:
        date = (rng.randint(1900, 2100), rng.randint(1, 12), rng.randint(1, 28))
        latitude = round(rng.uniform(55.0, 80.0) * rng.choice((1, -1)), 4)
        longitude = round(rng.uniform(-180.0, 180.0), 4)
        zone_hours = max(-12, min(12, round(longitude / 15.0) + rng.randint(-1, 1)))
        altitude = rng.choice(ALTITUDES)
        day = (date, latitude, longitude, zone_hours, altitude)
        if grazes(*day) and not near_midnight_on_neighbours(*day):
            return day


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=0)
    parser.add_argument("--count", type=int, default=0,
                        help="random grazing place-days at 55 to 80 degrees, half of them with "
                        "a crossing")
    parser.add_argument("--known", action="store_true", help="add the days users found wrong")
    args = parser.parse_args()

    rows = [row(day, crossings(*day)) for day in (KNOWN_DAYS if args.known else [])]
    rng = random.Random(args.seed)
    wanted = {True: args.count - args.count // 2, False: args.count // 2}
    while wanted[True] + wanted[False] > 0:
        day = random_grazing_day(rng)
        events = crossings(*day)
        crosses = bool(events[0] or events[1])
        if wanted[crosses] == 0:
            continue
        wanted[crosses] -= 1
        rows.append(row(day, events))
    print("\n".join(rows))


if __name__ == "__main__":
    main()
