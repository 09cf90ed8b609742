#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Takes the screenshots the AppStream metainfo lists (dist/screenshots/*.png) under a
# virtual X display, with a temporary home so that no user's names show up. Commit the
# result and upload it to the addresses in dist/de.zuvododerod.Zuvododerod.metainfo.xml.
# Usage: tools/make_screenshots.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target zuv_screenshots
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
  LC_ALL=C.UTF-8 \
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/bin/zuv_screenshots" dist/screenshots
for f in dist/screenshots/*.png; do
  echo "$f: $(file -b "$f")"
done
