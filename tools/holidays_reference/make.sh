#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes tests/data/holidays/date_holidays_de_at.txt from the npm package date-holidays,
# the independent source of the holiday calendar's cross-check. Run by hand when the
# reference is to be renewed (needs node and npm); the tests only read the file.
set -euo pipefail
version=3.37.0
here="$(cd "$(dirname "$0")" && pwd)"
out="$here/../../tests/data/holidays/date_holidays_de_at.txt"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm init -y >/dev/null && npm install --no-audit --no-fund --silent "date-holidays@$version")
mkdir -p "$(dirname "$out")"
NODE_PATH="$work/node_modules" node "$here/reference.js" "$out" "$version"
echo "wrote $out"
