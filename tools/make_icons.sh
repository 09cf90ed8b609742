#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Exports the program icon (drawn in src/info/programicon.cpp) into dist/icons/hicolor:
# a scalable SVG and PNGs of 16 to 256 pixels. Run after changing the drawing; commit the
# result. Usage: tools/make_icons.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target zuv_icon_export
rm -rf dist/icons/hicolor
QT_QPA_PLATFORM=offscreen "$build/bin/zuv_icon_export" dist/icons de.zuvododerod.Zuvododerod
find dist/icons -type f | sort
