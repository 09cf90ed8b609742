#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes tests/data/astronomy/moon_phases_1900_2100.txt with PyEphem (Debian package
# python3-ephem, run with the system python), the independent source of the moon phases' cross-check. Run by hand when
# the reference is to be renewed; the tests only read the file.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="$here/../../tests/data/astronomy/moon_phases_1900_2100.txt"
mkdir -p "$(dirname "$out")"
/usr/bin/python3 "$here/reference.py" "$out"
echo "wrote $out"
