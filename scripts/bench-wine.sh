#!/usr/bin/env bash
# Benchmark figures of the Windows program:
# - the size of tremolux.exe, 32-bit and 64-bit;
# - CPU time over 60 s idle under Wine, counted as a user pays for it: the
#   program, Wine's own processes (wineserver, the desktop, the services)
#   and the X server, beside the same 60 s with no program and with a
#   program that runs the same three timers with empty handlers;
# - the delay from the pointer reaching the right edge (seen off it first)
#   to the window being placed, median and worst over 20 drags that press,
#   move for 0.25 s and then reach the edge, with a helper reading the left
#   button every 5 ms throughout, as macro tools and overlays do;
# - in slide mode, how many of 20 quick swipes down the right edge are
#   caught, and the delay from the pointer touching the edge to the window
#   placed, median and worst.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
for bits in 32 64; do bash scripts/build-windows.sh "$bits" >/dev/null; done
echo "== size of the stripped executables"
for bits in 32 64; do
  printf 'tremolux.exe (%s-bit): %d bytes\n' "$bits" "$(stat -c %s "build/win$bits/tremolux.exe")"
done
[ -z "$ROAD_NOTE" ] || echo "# $ROAD_NOTE"

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
program=$LAST_PID
spawn "$WINE" "$BUILD/probe.exe" read-key 1 5
sleep 3
read -r placed median worst < <(edge_delays 20 "Tremolux Bench Window" | delay_figures)
echo "$placed of 20 drags placed; median $median ms, worst $worst ms"

echo "== slide mode: 20 quick swipes down the right edge (200 pixels in about 150 ms)"
kill "$program"
wait "$program" 2>/dev/null || true
"$WINE" reg add 'HKLM\Software\Kestrelia\Tremolux' /v opmode /t REG_DWORD /d 2 /f >/dev/null 2>&1
spawn "$WINE" "$BUILD/tremolux.exe"
sleep 3
read -r caught median worst < <(slide_delays 20 "Tremolux Bench Window" | delay_figures)
echo "$caught of 20 swipes caught; from the touch of the edge: median $median ms, worst $worst ms"
"$WINE" reg delete 'HKLM\Software\Kestrelia\Tremolux' /v opmode /f >/dev/null 2>&1
