#!/usr/bin/env bash
# Benchmark figures of the Windows program: the size of the stripped
# executables; its CPU time over 60 s idle under Wine beside a minimal
# program that runs the same three timers with empty handlers; and the delay
# from the pointer reaching the right edge to the window being placed,
# median and worst over 20 drags.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh 32 >/dev/null
[ "$BITS" = 64 ] && bash scripts/build-windows.sh 64 >/dev/null
echo "== size of the stripped executables"
for bits in 32 $([ "$BITS" = 64 ] && echo 64); do
  printf 'tremolux.exe (%s-bit): %d bytes\n' "$bits" "$(stat -c %s "build/win$bits/tremolux.exe")"
done
[ "$BITS" = 64 ] && echo "(this machine cannot run 32-bit code: the figures below are of the 64-bit build)"

trap wine_teardown EXIT
trap "exit 130" INT TERM
wine_setup
"$WINE" reg delete 'HKLM\Software\Kestrelia' /f >/dev/null 2>&1 || true

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
spawn "$WINE" "$BUILD/tremolux.exe"
tremolux=$LAST_PID
spawn "$WINE" "$BUILD/idle.exe"
idle=$LAST_PID
sleep 3
xdotool mousemove 500 300
t0=$(cpu_ticks "$tremolux")
i0=$(cpu_ticks "$idle")
sleep 60
t1=$(cpu_ticks "$tremolux")
i1=$(cpu_ticks "$idle")
hz=$(getconf CLK_TCK)
echo "== CPU time over 60 s idle (user + system)"
awk -v t=$((t1 - t0)) -v i=$((i1 - i0)) -v hz="$hz" 'BEGIN {
  printf "tremolux.exe: %.2f s\nidle.exe (same three timers, empty handlers): %.2f s\n", t / hz, i / hz
  if (i > 0) printf "ratio: %.2f\n", t / i; else print "ratio: idle.exe used no measurable time"
}'

echo "== delay from the pointer reaching the right edge to the window placed (20 drags)"
title="Tremolux Bench Window"
delays=()
for n in $(seq 20); do
  spawn "$WINE" "$BUILD/testwin.exe" "$title" 200 150 500 400
  window=$LAST_PID
  await 10 rect "$title" >/dev/null
  "$WINE" "$BUILD/probe.exe" latency "$title" >"$WORK/latency.txt" 2>/dev/null &
  watcher=$!
  sleep 0.5
  xdotool mousemove 300 162 mousedown 1
  sleep 0.2
  xdotool mousemove 700 250
  sleep 0.1
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
