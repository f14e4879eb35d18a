#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Moon's major phases in universal time, from PyEphem, as reference values for the
calendar file's instants.

The reference is independent of Selvane's engine: PyEphem (Debian's python3-ephem) finds each
phase from its own lunar theory and its own Delta-T, and gives it in universal time, the time
the sky keeps.  The calendar file writes its phases in that time, so they must agree with these
to the accuracy of Meeus's phase series (seconds), where an instant left in dynamical time is
Delta-T late (a minute and more since 1985).

Output: C++ table rows for tests/engine/test_moonexport.cpp:
    {kind, year, month, day, hour, minute, second},
The test table was made with

    tools/phase_reference.py --seed 2811 --count 12 --day 2025-03-10
"""

import argparse
import random

import ephem

KINDS = [
    ("MoonEventKind::NewMoon", ephem.next_new_moon),
    ("MoonEventKind::FirstQuarter", ephem.next_first_quarter_moon),
    ("MoonEventKind::FullMoon", ephem.next_full_moon),
    ("MoonEventKind::LastQuarter", ephem.next_last_quarter_moon),
]


def next_phase(start):
    """The first major phase after the ephem.Date `start`: its kind and instant."""
    return min(((kind, ephem.Date(find(start))) for kind, find in KINDS), key=lambda p: p[1])


def row(kind, instant):
    # Rounded to the second: the tuple's seconds may round up to 60.
    y, m, d, hh, mm, ss = ephem.Date(round(instant / ephem.second) * ephem.second).tuple()
    return "    {%s, %d, %d, %d, %d, %d, %d}," % (kind, y, m, d, hh, mm, round(ss))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=0)
    parser.add_argument("--count", type=int, default=0, help="random phases, 1950 to 2040")
    parser.add_argument("--day", action="append", default=[],
                        help="the first phase after this date, YYYY-MM-DD")
    args = parser.parse_args()

    starts = [ephem.Date(day.replace("-", "/")) for day in args.day]
    rng = random.Random(args.seed)
    for _ in range(args.count):
        starts.append(ephem.Date("%d/%d/%d" % (rng.randint(1950, 2040), rng.randint(1, 12),
                                               rng.randint(1, 28))))
    for start in starts:
        print(row(*next_phase(start)))


if __name__ == "__main__":
    main()
