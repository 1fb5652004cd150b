#!/usr/bin/env bash
# A soak run of the real program under Wine (the road this machine has):
# every path a user takes, once a cycle, for CYCLES cycles (2000 unless
# given), and the figures a leak would grow, printed at the start, after a
# warm-up, every tenth of the run and at the end, with their growth per
# 1,000 cycles after the warm-up. A benchmark that prints figures, not a
# test: it is not part of the test command.
#   soak.sh [CYCLES]
# Quick, faithful paths go through soak.exe in the same desktop (posted menu
# commands, tray messages, a broadcast TaskbarCreated, WM_CLOSE to the help
# window, the message boxes' buttons); those that only real input gives go
# through xdotool (title-bar drags to each edge, a slide, the corner rest,
# strip clicks, Shift+F1).
set -uo pipefail
cd "$(dirname "$0")/.."
cycles=${1:-2000}
[[ "$cycles" =~ ^[1-9][0-9]*$ ]] || { echo "usage: soak.sh [CYCLES]" >&2; exit 2; }
export WINE_WORK=$PWD/build/wine-soak
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh "$BITS" >/dev/null

TITLE="Tremolux Soak Window"
soak() { "$WINE" "$BUILD/soak.exe" "$@" 2>&1 | tr -d '\r'; }

# The window's title bar is at (300, 162) at home; H puts it home again.
drag_to() {
  xdotool mousemove 300 162 sleep 0.05 mousedown 1 sleep 0.05 mousemove "$1" "$2" sleep 0.25 \
    mouseup 1 sleep 0.05 key Return sleep 0.05 key h sleep 0.05
}

gestures_in_drag_bump_mode() {
  drag_to 1023 162
  drag_to 0 300
  drag_to 500 0
  drag_to 500 767
  # Shift+F1 shows the minimized window again (soak.exe puts it home)
  xdotool keydown shift sleep 0.05 keydown F1 sleep 0.15 keyup F1 keyup shift sleep 0.15
  # the corner rest shows the desktop (Wine's shell cannot, but the program
  # asks it) and leaving the corner brings it back
  xdotool mousemove 1020 760 sleep 0.8 mousemove 500 300 sleep 0.25
  # the strip's latch set and released
  xdotool mousemove 1014 758 click 1 sleep 0.15 click 1 sleep 0.15 mousemove 500 300
}

gesture_in_slide_mode() {
  xdotool mousemove 1023 100 sleep 0.25 mousemove 1023 400 sleep 0.6 mousemove 500 300 \
    sleep 0.2
}

# The anonymous resident set of a process, in kB.
anonymous_kb() { awk '/^RssAnon:/ {print $2}' "/proc/$1/status" 2>/dev/null; }

# The prefix's wineserver: the one started with the prefix's WINEPREFIX.
wineserver_pid() {
  local p
  for p in /proc/[0-9]*; do
    case "$(cat "$p/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
    tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
      { echo "${p#/proc/}"; return; }
  done
}

START=$(date +%s)
FIGURES=()  # "cycle private handles gdi user windows server" at each point printed
figures() {
  local cycle=$1 program server read
  read -r _ handles _ gdi _ user _ windows < <(soak figures)
  program=$(anonymous_kb "$TREMOLUX_PID")
  server=$(anonymous_kb "$(wineserver_pid)")
  printf '%6d %7ds %10s %8s %5s %5s %8s %12s\n' "$cycle" $(($(date +%s) - START)) \
    "${program:-?}" "${handles:-?}" "${gdi:-?}" "${user:-?}" "${windows:-?}" "${server:-?}"
  FIGURES+=("$cycle ${program:-0} ${handles:-0} ${gdi:-0} ${user:-0} ${windows:-0} ${server:-0}")
}

growth() {
  local warm=$1 last=$2
  awk -v a="$warm" -v b="$last" 'BEGIN {
    split(a, w); split(b, e); n = e[1] - w[1]
    if (n <= 0) exit
    split("private_kB handles gdi user windows wineserver_kB", name)
    printf "growth per 1,000 cycles after the warm-up (cycles %d to %d):\n", w[1], e[1]
    for (i = 2; i <= 7; i++) printf "  %-14s %+10.1f   (%s -> %s)\n", name[i-1], (e[i] - w[i]) * 1000 / n, w[i], e[i]
  }'
}

main() {
  trap wine_teardown EXIT
  trap "exit 130" INT TERM
  wine_setup || { echo "soak: the Wine desktop did not start" >&2; exit 1; }
  "$WINE" reg delete 'HKLM\Software\Kestrelia' /f >/dev/null 2>&1
  "$WINE" reg delete 'HKCU\Software\Kestrelia' /f >/dev/null 2>&1
  spawn "$WINE" "$BUILD/tremolux.exe"
  TREMOLUX_PID=$LAST_PID
  await 10 class TremoluxWindow >/dev/null || { echo "soak: the program did not start" >&2; exit 1; }
  spawn "$WINE" "$BUILD/testwin.exe" "$TITLE" 200 150 500 400
  await 10 rect "$TITLE" >/dev/null || { echo "soak: no window to lay out" >&2; exit 1; }
  local exe warmup warm=1 tenth failures=0 c
  exe=$("$WINE" winepath -w "$BUILD/tremolux.exe" 2>/dev/null | tr -d '\r')
  warmup=$((cycles / 20 > 10 ? cycles / 20 : (cycles > 10 ? 10 : 1)))
  tenth=$((cycles / 10 > 0 ? cycles / 10 : 1))

  echo "# $cycles cycles on the $BITS-bit road; figures of the program's process and wineserver"
  printf '%6s %8s %10s %8s %5s %5s %8s %12s\n' cycle time private_kB handles gdi user windows \
    wineserver_kB
  figures 0
  for ((c = 1; c <= cycles; c++)); do
    kill -0 "$TREMOLUX_PID" 2>/dev/null || { echo "soak: the program ended at cycle $c" >&2; break; }
    soak cycle "$exe" "$TITLE" >/dev/null || failures=$((failures + 1))
    gesture_in_slide_mode
    soak back "$TITLE" >/dev/null || failures=$((failures + 1))
    gestures_in_drag_bump_mode
    if [ "$c" -eq "$warmup" ]; then
      figures "$c"
      warm=${#FIGURES[@]}
      echo "# warm-up done"
    elif [ $((c % tenth)) -eq 0 ] || [ "$c" -eq "$cycles" ]; then
      figures "$c"
    fi
  done
  echo "# steps that did not happen: $failures"
  growth "${FIGURES[warm - 1]}" "${FIGURES[${#FIGURES[@]} - 1]}"
}

main "$@"
