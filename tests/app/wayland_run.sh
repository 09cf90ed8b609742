#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a test program on weston's headless backend (1366x768, the common laptop screen) with
# Qt's Wayland platform. Skips (exit 77) where weston or Qt's Wayland plugin is missing.
set -u
test_program="$1"; shift
command -v weston >/dev/null || { echo "weston fehlt"; exit 77; }
runtime="$(mktemp -d)"; chmod 700 "$runtime"
trap 'kill "${weston_pid:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --width=1366 --height=768 --socket=zuv-wayland \
  --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$runtime/zuv-wayland" ] && break; sleep 0.1; done
[ -S "$runtime/zuv-wayland" ] || { cat "$runtime/weston.log"; echo "weston startet nicht"; exit 1; }
WAYLAND_DISPLAY=zuv-wayland QT_QPA_PLATFORM=wayland "$test_program" "$@"
