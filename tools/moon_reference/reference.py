#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the main moon phases of 1900..2100 as an independent astronomy library
(PyEphem) computes them, with the local day in Berlin, Vienna and Zurich from the
system's time-zone database.

One line per phase, in time order:
    YYYY-MM-DD HH:MM:SS P BVZ
the instant in UT to the second, P the phase (0 new moon, 1 first quarter,
2 full moon, 3 last quarter) and for each of the three zones the local day
relative to the UT day (- one day earlier, 0 the same, + one day later)."""

import datetime
import sys
import zoneinfo

import ephem

FINDERS = (ephem.next_new_moon, ephem.next_first_quarter_moon,
           ephem.next_full_moon, ephem.next_last_quarter_moon)
ZONES = [zoneinfo.ZoneInfo(z) for z in ("Europe/Berlin", "Europe/Vienna", "Europe/Zurich")]


def main(out):
    start = ephem.Date("1900/1/1 00:00:00")
    end = ephem.Date("2101/1/1 00:00:00")
    events = []
    for phase, finder in enumerate(FINDERS):
        d = start
        while True:
            d = finder(d)
            if d >= end:
                break
            events.append((d, phase))
    events.sort()
    with open(out, "w", encoding="utf-8") as f:
        f.write("# Moon phases 1900-2100, PyEphem %s; see tools/moon_reference\n" % ephem.__version__)
        for d, phase in events:
            utc = ephem.Date(d).datetime().replace(tzinfo=datetime.timezone.utc)
            utc = (utc + datetime.timedelta(microseconds=500000)).replace(microsecond=0)
            shifts = ""
            for zone in ZONES:
                delta = (utc.astimezone(zone).date() - utc.date()).days
                shifts += {-1: "-", 0: "0", 1: "+"}[delta]
            f.write("%s %d %s\n" % (utc.strftime("%Y-%m-%d %H:%M:%S"), phase, shifts))


if __name__ == "__main__":
    main(sys.argv[1])
