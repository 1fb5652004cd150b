#!/usr/bin/env bash
# Builds tremolux.exe and runs it under Wine, in Wine's virtual desktop with
# its taskbar: on the current X display, or on a fresh Xvfb display when
# there is none. Ends with Ctrl+C, or when the program is exited from its
# tray menu.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh "$BITS" >/dev/null
echo "built $BUILD/tremolux.exe"
[ -z "$ROAD_NOTE" ] || echo "$ROAD_NOTE"
trap wine_teardown EXIT
trap "exit 130" INT TERM
start_prefix
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "using the X display $DISPLAY"
else
  start_display
  echo "started Xvfb on $DISPLAY; to look at it:"
  echo "  import -window root -display $DISPLAY shot.png     (a screenshot)"
  echo "  xdotool --display $DISPLAY ...                     (to drive it)"
fi
start_desktop
"$WINE" "$BUILD/tremolux.exe" &
STARTED_PIDS+=($!)
echo "Tremolux is running: its icon is in the tray at the bottom right of the Wine desktop"
wait "${STARTED_PIDS[-1]}"
