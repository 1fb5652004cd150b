#!/usr/bin/env bash
# Benchmark figures of the Windows program:
# - the size of tremolux.exe, 32-bit and 64-bit;
# - CPU time over 60 s idle under Wine, counted as a user pays for it: the
#   program, Wine's own processes (wineserver, the desktop, the services)
#   and the X server, beside the same 60 s with no program and with a
#   program that runs the same three timers with empty handlers;
# - the delay from the pointer reaching the right edge (seen off it first)
#   to the window being placed, median and worst over 20 drags, with a
#   helper reading the left button every 5 ms throughout, as macro tools
#   and overlays do.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
for bits in 32 64; do bash scripts/build-windows.sh "$bits" >/dev/null; done
echo "== size of the stripped executables"
for bits in 32 64; do
  printf 'tremolux.exe (%s-bit): %d bytes\n' "$bits" "$(stat -c %s "build/win$bits/tremolux.exe")"
done
[ -z "$ROAD_NOTE" ] || echo "($ROAD_NOTE: the figures below are of the 64-bit build)"

trap wine_teardown EXIT
trap "exit 130" INT TERM
wine_setup
"$WINE" reg delete 'HKLM\Software\Kestrelia' /f >/dev/null 2>&1 || true

# CPU ticks (user + system) of every process of this prefix, and of the X
# server: what the desktop costs while it runs.
desktop_ticks() {
  local total=0 pid ticks
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    if [ "$pid" = "$XVFB_PID" ] ||
       { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null) || continue
      total=$((total + ticks))
    fi
  done
  echo "$total"
}

# 60 s of the desktop with nothing, or with the given program, running.
idle_cost() {
  local program=${1:-} pid=
  if [ -n "$program" ]; then
    spawn "$WINE" "$BUILD/$program"
    pid=$LAST_PID
  fi
  sleep 3
  xdotool mousemove 500 300
  local before after
  before=$(desktop_ticks)
  sleep 60
  after=$(desktop_ticks)
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  sleep 1
  echo $((after - before))
}

echo "== CPU time over 60 s idle (user + system; the program, Wine's processes and Xvfb)"
none=$(idle_cost)
idle=$(idle_cost idle.exe)
tremolux=$(idle_cost tremolux.exe)
awk -v n="$none" -v i="$idle" -v t="$tremolux" -v hz="$(getconf CLK_TCK)" 'BEGIN {
  printf "no program: %.2f s\n", n / hz
  printf "idle.exe (same three timers, empty handlers): %.2f s, %.2f s above none\n", i / hz, (i - n) / hz
  printf "tremolux.exe: %.2f s, %.2f s above none (%.2f %% of one core)\n", t / hz, (t - n) / hz, 100 * (t - n) / hz / 60
  if (i > n) printf "ratio of the costs above none: %.2f\n", (t - n) / (i - n)
  else print "ratio: idle.exe cost nothing measurable above none"
}'

echo "== delay from the pointer reaching the right edge to the window placed (20 drags)"
spawn "$WINE" "$BUILD/tremolux.exe"
spawn "$WINE" "$BUILD/probe.exe" read-key 1 5
sleep 3
title="Tremolux Bench Window"
delays=()
for n in $(seq 20); do
  spawn "$WINE" "$BUILD/testwin.exe" "$title" 200 150 500 400
  window=$LAST_PID
  await 10 rect "$title" >/dev/null
  xdotool mousemove 300 162
  "$WINE" "$BUILD/probe.exe" latency "$title" >"$WORK/latency.txt" 2>/dev/null &
  watcher=$!
  sleep 0.5
  xdotool mousedown 1
  sleep 0.2
  xdotool mousemove 700 250
  # the edge is reached at a moment spread over the 200-ms tick, so that the
  # figures are not set by the rhythm of this loop
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.1 + r % 200 / 1000 }')"
  xdotool mousemove 1023 300
  wait "$watcher" && delays+=("$(tr -d '\r' <"$WORK/latency.txt")")
  xdotool mouseup 1 key Return
  kill "$window" 2>/dev/null
  sleep 0.3
done
printf '%s\n' "${delays[@]}" | sort -n | awk '{ d[NR] = $1 } END {
  if (NR == 0) { print "no drag was placed"; exit 1 }
  printf "%d of 20 drags placed; median %.1f ms, worst %.1f ms\n", NR, (NR % 2 ? d[(NR + 1) / 2] : (d[NR / 2] + d[NR / 2 + 1]) / 2), d[NR]
}'
