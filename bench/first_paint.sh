#!/bin/bash
# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Start to first paint of the program beside a bare Qt window, started in turns under one
# virtual display; prints the median of each and their ratio. The program fits its window to
# the screen, so the bare window is shown at the size the program took (clearing and sending
# that many pixels costs any program the same) and, for comparison, at the design size.
#   cmake --build build --target first_paint_bench && bench/first_paint.sh [build] [runs]
set -euo pipefail
build="$(realpath "${1:-build}")"
runs="${2:-21}"
if [ -z "${ZUV_IN_XVFB:-}" ]; then
  # A display number of its own: another xvfb-run starting at the same time must not share it.
  # -noreset: by default the server resets whenever its last client leaves, and every
  # run but the first would then also wait about 50 ms for the server to start over, a
  # cost a desktop session never has and that hid most of the difference.
  exec env ZUV_IN_XVFB=1 xvfb-run -a -n "$((200 + RANDOM % 500))" \
    -s "-noreset -screen 0 ${ZUV_SCREEN:-1920x1080}x24" "$0" "$build" "$runs"
fi
probe="$(find "$build" -name libfirstpaint_probe.so | head -n1)"
bare="$build/bench/bare_window"
[ -x "$bare" ] || bare="$(find "$build" -name bare_window -type f | head -n1)"
app="$build/bin/zuvododerod"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The program keeps its tables in a scratch home, never in the user's.
export HOME="$work/home" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME"
# A run that dies before it paints (a display that went away under load) is left out.
once() {
  ZUV_T0="$(date +%s%N)" LD_PRELOAD="$probe" "$@" 2>&1 >/dev/null | sed -n 's/^first-paint-ms //p' || true
}
size="$(LD_PRELOAD="$probe" "$app" 2>&1 >/dev/null | sed -n 's/^first-paint-size //p')"
[ -n "$size" ] || { echo "the program did not paint" >&2; exit 1; }
for _ in $(seq "$runs"); do
  once "$bare" >>"$work/design"
  once "$bare" "$size" >>"$work/bare"
  once "$app" >>"$work/app"
done
median() { sort -n "$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
a="$(median "$work/app")"
b="$(median "$work/bare")"
d="$(median "$work/design")"
echo "first paint, median of $runs: zuvododerod $a ms;" \
  "bare Qt window of its size ($size) $b ms, ratio $(ratio "$a" "$b");" \
  "bare Qt window of the design size (848x571) $d ms, ratio $(ratio "$a" "$d")"
