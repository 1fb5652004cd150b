#!/usr/bin/env bash
# The Windows program under Wine with two monitors: an Xvfb display hosts
# Xephyr with Xinerama, a 1024 by 768 screen at the left and a 1280 by 1024
# one at its right, and Wine runs on it with no virtual desktop and its own
# window frames, reading the monitors from Xinerama. Wine's Notepad on the
# second monitor is dragged into each of its edges and the edge the two
# share, and put back with Shift+F1; then the monitor at the right is made
# the primary, so that the other lies at negative coordinates.
set -uo pipefail
cd "$(dirname "$0")/../.."
export WINE_WORK=$PWD/build/wine-monitors SCREEN=2304x1024
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh "$BITS" >/dev/null

TITLE="Untitled - Notepad"
XEPHYR_PID=
# Wine's coordinates are xdotool's less this (the primary starts at 0, 0).
SHIFT_X=0

# Wine reads its monitors when its server starts: one set-up a session.
# PRIMARY is the Xinerama screen Wine makes the primary.
session() {  # session PRIMARY
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v PrimaryMonitor /d "$1" /f >/dev/null 2>&1
  # each session from a first run: drag-bump mode, no settings kept
  "$WINE" reg delete 'HKLM\Software\Kestrelia' /f >/dev/null 2>&1
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  spawn "$WINE" "$BUILD/tremolux.exe"
  await 10 class TremoluxWindow >/dev/null
  spawn "$WINE" "$BUILD/probe.exe" read-key 1 5
  spawn "$WINE" notepad
  await 10 rect "$TITLE" >/dev/null
}

# The monitors as Xephyr's Xinerama screens, and Wine without its virtual
# desktop and with its own frames and move loop.
start_monitors() {
  start_prefix || return 1
  "$WINE" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  start_display || return 1
  local n
  n=$(free_display) || return 1
  Xephyr ":$n" +xinerama -screen 1024x768+0+0 -screen 1280x1024+1024+0 -nolisten tcp \
    >/dev/null 2>&1 &
  XEPHYR_PID=$!
  export DISPLAY=":$n"
  await_display
}

teardown() {
  wine_teardown
  [ -n "$XEPHYR_PID" ] && kill "$XEPHYR_PID" 2>/dev/null
  return 0
}

rect() { probe rect "$TITLE" | cut -d' ' -f1-5; }

# Notepad moved to L T R B (Wine's coordinates) and brought to the front.
place() {
  local want="$1 $2 $3 $4"
  for _ in $(seq 25); do
    probe move "$TITLE" "$@" >/dev/null
    [ "$(rect | cut -d' ' -f1-4)" = "$want" ] && break
    sleep 0.2
  done
  xdotool mousemove $(($1 + 60 + SHIFT_X)) $(($2 + 40)) click 1
  sleep 0.3
}

# Notepad's title bar pressed 100 pixels right of its left edge and
# dragged to (x, y) in Wine's coordinates; its rectangle then in HELD.
drag_notepad() {
  local at
  at=$(rect)
  drag $((${at%% *} + 100 + SHIFT_X)) $(($(cut -d' ' -f2 <<<"$at") + 10)) $(($1 + SHIFT_X)) "$2"
}

main() {
  trap teardown EXIT
  trap "exit 130" INT TERM
  [ -z "$ROAD_NOTE" ] || echo "# $ROAD_NOTE"
  start_monitors || { echo "not ok - the two monitors did not start"; exit 1; }
  session 0
  check "two monitors, the second at the right" \
    "0 0 1024 768 work 0 0 1024 768,1024 0 2304 1024 work 1024 0 2304 1024" \
    "$(probe monitors | paste -sd,)"

  local start="1200 100 1700 500"
  place $start
  drag_notepad 2303 300
  check "the second monitor's right edge: its right half" "1665 0 2304 1024 normal" "$HELD"
  shift_f1
  check "Shift+F1 puts it back where its drag began" "$start normal" "$(rect)"
  drag_notepad 1600 0
  check "its top edge: its whole width" "1024 0 2304 1024 normal" "$HELD"
  shift_f1
  check "and back" "$start normal" "$(rect)"
  drag_notepad 1600 1023
  check "its bottom edge: minimized" "minimized" "$(cut -d' ' -f5 <<<"$HELD")"
  shift_f1
  check "and back where its drag began" "$start normal" "$(rect)"
  place $start
  drag_notepad 1024 300
  check "held where the monitors meet it is not placed: it follows the pointer" \
    "924 290 1424 690 normal" "$HELD"
  place 100 100 600 500
  drag_notepad 0 300
  check "the primary's left edge still gives its left half" "0 0 512 768 normal" "$HELD"

  # slide mode: a swipe down the second monitor's right edge
  probe command 103 >/dev/null
  place $start
  xdotool mousemove 2303 100
  for i in $(seq 16); do
    sleep 0.05
    xdotool mousemove 2303 $((100 + 40 * i))
  done
  sleep 0.8
  check "slide mode: down its right edge, its right half" "1665 0 2304 1024 normal" "$(rect)"
  probe command 102 >/dev/null

  # the monitor at the right made the primary: the other lies at -1024 to 0
  SHIFT_X=1024
  session 1
  check "the primary at the right, the other at negative coordinates" \
    "0 0 1280 1024 work 0 0 1280 1024,-1024 0 0 768 work -1024 0 0 768" \
    "$(probe monitors | paste -sd,)"
  place -900 100 -400 500
  drag_notepad -1024 300
  check "the left monitor's left edge: its left half" "-1024 0 -512 768 normal" "$HELD"
  place -900 100 -400 500
  drag_notepad -500 0
  check "its top edge: its whole width" "-1024 0 0 768 normal" "$HELD"

  screenshot "$ROOT/build/screenshots/monitors.png" 2>/dev/null
  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
}

main "$@"
