#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs lupdate over the sources into a copy of a .ts file and fails on every message that
# has no finished translation (a new or changed text) or that the sources no longer have.
# Usage: check_translations.sh LUPDATE SOURCE_FOLDER TS_FILE
set -euo pipefail
lupdate="$1" sources="$2" ts="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$ts")"
cp "$ts" "$copy"
"$lupdate" -locations none -source-language de "$sources" -ts "$copy" >"$work/lupdate.log" 2>&1 \
  || { cat "$work/lupdate.log"; exit 1; }
# One line per message: its context, its source text and the kind of its translation.
python3 - "$copy" <<'PY'
import sys
import xml.etree.ElementTree as ET
bad = []
total = 0
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        total += 1
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        empty = translation is None or not ("".join(translation.itertext()).strip())
        if kind in ("unfinished", "vanished", "obsolete", "missing") or empty:
            bad.append(f"{kind or 'empty'}: [{name}] {message.findtext('source')!r}")
print(f"{total} messages, {len(bad)} not finished or no longer in the sources")
for line in bad:
    print("  " + line)
sys.exit(1 if bad else 0)
PY
