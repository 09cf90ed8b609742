#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Starts the program under a private D-Bus session, an accessibility bus and a virtual X
# display (the offscreen platform has no accessibility bridge) with a temporary home, and
# walks its accessibility tree (atspi_walk.py). Exit 77 (skipped) without the tools.
#
# Usage: atspi_run.sh <program> [--dump]
set -euo pipefail
program="$1"
shift
here="$(cd "$(dirname "$0")" && pwd)"
for tool in dbus-run-session xvfb-run /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "übersprungen: $tool fehlt"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "übersprungen: python3-pyatspi fehlt"; exit 77; }

if [ "${ZUV_ATSPI_INNER:-}" != 1 ]; then
  export ZUV_ATSPI_INNER=1
  exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$@"
fi

home="$(mktemp -d)"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$home"; }
trap cleanup EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANG=C.UTF-8 "$program" &
pids+=($!)
/usr/bin/python3 "$here/atspi_walk.py" --timeout 60 "$@"
