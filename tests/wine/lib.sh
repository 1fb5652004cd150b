# Shared by the Wine tests and benchmarks: a display, a prefix and Wine's
# virtual desktop with its taskbar, all started here and ended here.
# Source it, call wine_setup, and wine_teardown on exit.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The 32-bit program runs under Wine's 32-bit loader where this machine has
# it (the package wine32:i386, which Debian's mirror cannot always give) and
# its kernel can run 32-bit code. Where not, the same sources built for
# 64-bit Windows run under wine64 instead, and ROAD_NOTE says why in a line.
# TREMOLUX_WINE_BITS=64 takes the 64-bit road on a machine that has both.
ROAD_NOTE=
if [ "${TREMOLUX_WINE_BITS:-}" != 64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  BITS=32
  WINE=/usr/lib/wine/wine
  WINESERVER=/usr/lib/wine/wineserver32
  export WINEARCH=win32
else
  BITS=64
  WINE=/usr/lib/wine/wine64
  WINESERVER=/usr/lib/wine/wineserver64
  export WINEARCH=win64
  export WINELOADER=$WINE
  if [ "${TREMOLUX_WINE_BITS:-}" = 64 ]; then
    ROAD_NOTE="TREMOLUX_WINE_BITS=64: the 64-bit build of the same sources, under wine64"
  elif [ ! -e /usr/lib/wine/wine ]; then
    ROAD_NOTE="Wine's 32-bit loader (wine32:i386) is not installed: the 64-bit build of the same sources, under wine64"
  else
    ROAD_NOTE="this machine's kernel cannot run 32-bit code: the 64-bit build of the same sources, under wine64"
  fi
fi
export WINESERVER
BUILD=$ROOT/build/win$BITS
# Each road its own prefix: one kind of Wine cannot use the other's.
WORK=${WINE_WORK:-$ROOT/build/wine}$BITS
export WINEPREFIX=$WORK/prefix
STARTED_PIDS=()
XVFB_PID=
# The screen, and Wine's virtual desktop on it.
SCREEN=${SCREEN:-1024x768}

log() { echo "# $*"; }

# One check of a test, counted in PASSED and FAILED.
PASSED=0
FAILED=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    PASSED=$((PASSED + 1))
    echo "ok - $1"
  else
    FAILED=$((FAILED + 1))
    echo "not ok - $1: expected '$2', found '$3'"
  fi
}

# A display number with neither a socket nor a lock file.
free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { echo "$n"; return; }
  done
  return 1
}

# Until the X server on $DISPLAY answers, for five seconds at most.
await_display() {
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "no X server answers on $DISPLAY" >&2
  return 1
}

start_display() {
  local n
  n=$(free_display) || { echo "no free X display" >&2; return 1; }
  Xvfb ":$n" -screen 0 "${SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  await_display
}

# A prefix of our own, made once and kept under build/; its desktop is the
# virtual desktop "shell", so a plain `wine prog.exe` joins it. Made with no
# display, so that nothing it starts stays up. The marker names the set-up's
# version: a prefix made by an older one is made anew.
PREFIX_MARK=$WINEPREFIX/.tremolux-ready-6
# Song faces that may stand in for SimSun, in order of preference.
SONG_FACES=("AR PL SungtiL GB" "WenQuanYi Bitmap Song" "AR PL UMing CN")
start_prefix() {
  mkdir -p "$WORK"
  [ -f "$PREFIX_MARK" ] && return 0
  rm -rf "$WINEPREFIX"
  log "making a Wine prefix (once, about 20 s)"
  (
    unset DISPLAY
    "$WINE" wineboot --init >/dev/null 2>&1
    # Wine's own faces where Windows keeps its fonts: Debian's Wine looks for
    # them in no folder that holds them
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion' font song
    # For a Chinese code page Wine draws captions, menus and message boxes in
    # MS Shell Dlg and makes that SimSun, whose stand-in below has no Latin
    # letters: the font mapper then falls back to any face with them, and
    # the Chinese comes out as boxes. MS Shell Dlg is a face with both, as
    # Microsoft YaHei UI is on Windows; the English UI keeps Tahoma.
    # Taiwan's UI face, PMingLiU, is a Ming face with Latin letters: AR PL
    # UMing TW is one. Wine rewrites MS Shell Dlg's substitute when a
    # process of another code page starts (MS UI Gothic for Japanese,
    # Gulim for Korean), and a process starting meanwhile may read the
    # last one's: each is a face with Latin, kana, Hangul and Chinese.
    local replacement
    for replacement in "MS Shell Dlg=WenQuanYi Micro Hei" "MS UI Gothic=WenQuanYi Micro Hei" \
                       "Gulim=WenQuanYi Micro Hei" "PMingLiU=AR PL UMing TW" \
                       "MingLiU=AR PL UMing TW"; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" \
        /d "${replacement#*=}" /f >/dev/null 2>&1
    done
    # CJK text in menus and message boxes: link Wine's UI fonts to WenQuanYi
    for font in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
      "$WINE" reg add "$key\FontLink\SystemLink" /v "$font" /t REG_MULTI_SZ \
        /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    # SimSun: the first Song face whose 12-pixel layout of the help text puts
    # the lines under the link boxes as SimSun does, found by measuring it
    song=$("$WINE" "$BUILD/fontfit.exe" "${SONG_FACES[@]}" 2>/dev/null | tr -d '\r' | tail -1)
    [ -n "$song" ] && [[ "$song" != *:* ]] || song="WenQuanYi Micro Hei"
    for font in SimSun 宋体 NSimSun; do
      "$WINE" reg add "$key\FontSubstitutes" /v "$font" /d "$song" /f >/dev/null 2>&1
    done
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w
  ) && touch "$PREFIX_MARK"
}

# Each text of the program in the UI language LANGID, in a session under
# LOCALE (which sets Wine's fonts, as a Windows of that language has them),
# drawn with real glyphs in the caption, menu and message fonts, a message
# box's and the help window's own; and the caption and the menu bar of
# about Windows' height (Windows 10: 23 and 20 pixels at 96 DPI), not of a
# face that stands in badly, at the session's DPI.
glyphs_drawn() {  # glyphs_drawn LOCALE LANGID [DPI]
  local out boxes caption menu dpi=${3:-96}
  out=$(env LC_ALL="$1" LANG="$1" "$WINE" "$BUILD/probe.exe" glyphs "$2" 2>/dev/null | tr -d '\r')
  boxes=$(grep -v '^metrics' <<<"$out" | cut -d' ' -f1,3 | tr '\n' ' ')
  check "$1: every text of $2 drawn, none an empty box" "" "$boxes"
  read -r _ caption menu < <(grep '^metrics' <<<"$out")
  local low=$((18 * dpi / 96)) high=$((26 * dpi / 96))
  check "$1: caption and menu bar $low to $high pixels high (found ${caption:-?} ${menu:-?})" yes \
    "$([ "${caption:-0}" -ge "$low" ] && [ "${caption:-0}" -le "$high" ] &&
       [ "${menu:-0}" -ge "$low" ] && [ "${menu:-0}" -le "$high" ] && echo yes)"
}

# Runs a program in the background and remembers its process id.
spawn() {
  "$@" >/dev/null 2>&1 &
  STARTED_PIDS+=($!)
  LAST_PID=$!
}

probe() { "$WINE" "$BUILD/probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

# Waits until a probe command succeeds; prints its output.
await() {
  local seconds=$1 out
  shift
  for _ in $(seq $((seconds * 5))); do
    if out=$(probe "$@"); then
      echo "$out"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

start_desktop() {
  spawn "$WINE" explorer "/desktop=shell,$SCREEN"
  await 30 workarea >/dev/null
  # the taskbar is up once the work area has shrunk
  for _ in $(seq 50); do
    [ "$(probe workarea)" != "0 0 ${SCREEN/x/ }" ] && return 0
    sleep 0.2
  done
}

wine_setup() {
  start_prefix && start_display && start_desktop
}

# Ends everything started here, whatever has ended already: it runs from an
# exit trap, where under `set -e` the first failing kill would stop it and
# leave the prefix's wineserver and the display up for the next run to meet.
wine_teardown() {
  set +e
  local pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  "$WINESERVER" -k 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  return 0
}

screenshot() { import -window root -display "$DISPLAY" "$1"; }

# Presses the left button on a title bar at (x, y), drags in a few steps to
# (tx, ty), rests there past a few main ticks, notes the rectangle and state
# of the window of that title ($TITLE's unless given) in HELD, and lets go.
# Wine's move loop does not end when the window is disabled, only on a
# button-up over the client area or a key; on Windows the disable ends it.
drag() {  # drag x y tx ty [TITLE]
  local x=$1 y=$2 tx=$3 ty=$4 title=${5:-$TITLE} i
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.3
  for i in 1 2 3 4; do
    xdotool mousemove $((x + (tx - x) * i / 4)) $((y + (ty - y) * i / 4))
    sleep 0.1
  done
  sleep 1
  HELD=$(probe rect "$title" | cut -d' ' -f1-5)
  xdotool mouseup 1
  xdotool key Return
  sleep 0.3
}

# Shift held, F1 held past a hotkey tick, both released.
shift_f1() {
  xdotool keydown shift
  sleep 0.15
  xdotool keydown F1
  sleep 0.3
  xdotool keyup F1
  xdotool keyup shift
  sleep 0.3
}

# The window of that title in front, with a click on its caption at (x, y),
# as the user puts it there: a first start in a fresh prefix may leave it
# behind. A press that follows comes after the double-click time.
to_front() {  # to_front TITLE x y
  xdotool mousemove "$2" "$3" click 1
  for _ in $(seq 15); do [ "$(probe foreground)" = "$1" ] && break; sleep 0.2; done
  sleep 0.6
}

# "yes" when the UTF-8 text holds no Chinese character (CJK ideographs and
# punctuation, full-width forms), "no" when it does.
free_of_chinese() {
  python3 -c 'import re, sys; print("no" if re.search("[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]", sys.argv[1]) else "yes")' "$1"
}

# A fresh window of that title, 500 by 400 at (200, 150), once the last one
# has gone (so that the title names the new one), the pointer at (x, y), and
# a watcher of the delay from the pointer reaching the right edge to the
# window lying on the right half: WATCHED_WINDOW and WATCHER, their ids.
watch_fresh_window() {  # watch_fresh_window TITLE x y
  for _ in $(seq 25); do probe rect "$1" >/dev/null || break; sleep 0.2; done
  spawn "$WINE" "$BUILD/testwin.exe" "$1" 200 150 500 400
  WATCHED_WINDOW=$LAST_PID
  await 10 rect "$1" >/dev/null
  xdotool mousemove "$2" "$3"
  "$WINE" "$BUILD/probe.exe" latency "$1" >"$WORK/latency.txt" 2>/dev/null &
  WATCHER=$!
}

# The delays, in ms, from the pointer reaching the right edge to a window of
# that title lying on the right half, one a line, for N drags made as people
# make them: a fresh window of 500 by 400 at (200, 150) pressed on its title
# bar, moved for 0.25 s (so that a main tick comes before the edge), and the
# edge reached 0.05 to 0.25 s later, at a moment spread over the 200-ms
# tick. A drag not placed within 5 s prints nothing.
edge_delays() {  # edge_delays N TITLE
  local n step
  for n in $(seq "$1"); do
    watch_fresh_window "$2" 300 162
    sleep 0.5
    xdotool mousedown 1
    for step in 1 2 3 4 5; do
      sleep 0.05
      xdotool mousemove $((300 + 80 * step)) $((162 + 18 * step))
    done
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.05 + r % 200 / 1000 }')"
    xdotool mousemove 1023 300
    wait "$WATCHER" && tr -d '\r' <"$WORK/latency.txt"
    xdotool mouseup 1 key Return
    kill "$WATCHED_WINDOW" 2>/dev/null
    sleep 0.3
  done
}

# The delays, in ms, from the pointer touching the right edge to a window of
# that title lying on the right half, one a line, for N quick swipes in slide
# mode as people make them: a fresh window in front, the pointer at rest off
# the edge, brought to it in a quarter of a second, then down the edge 200
# pixels in about 150 ms, touched at a moment spread over the 200-ms tick,
# and left resting there. A swipe not caught within 5 s prints nothing.
slide_delays() {  # slide_delays N TITLE
  local n step path
  for n in $(seq "$1"); do
    watch_fresh_window "$2" 900 100
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.5 + r % 200 / 1000 }')"
    # one xdotool for the whole path: a process for each move takes longer
    # than the swipe itself
    path=()
    for step in 1 2 3 4 5; do path+=(mousemove $((900 + 20 * step)) 100 sleep 0.05); done
    for step in 0 1 2 3 4 5 6 7 8 9 10; do path+=(mousemove 1023 $((100 + 20 * step)) sleep 0.013); done
    xdotool "${path[@]}"
    wait "$WATCHER" && tr -d '\r' <"$WORK/latency.txt"
    xdotool mousemove 900 300
    kill "$WATCHED_WINDOW" 2>/dev/null
    sleep 0.3
  done
}

# "PLACED MEDIAN WORST" of the delays on standard input.
delay_figures() {
  sort -n | awk '{ d[NR] = $1 } END {
    if (NR == 0) { print "0 - -"; exit }
    printf "%d %.1f %.1f\n", NR, (NR % 2 ? d[(NR + 1) / 2] : (d[NR / 2] + d[NR / 2 + 1]) / 2), d[NR]
  }'
}

# The first tray icon's place in a 1024x768 desktop is 16x16+1006+750; the
# strip covers its right half. A point of bare taskbar lies left of it.
TRAY_UNCOVERED=8x16+1006+750
TASKBAR_POINT=+990+757

# What the uncovered part of the first tray icon's place shows in the
# screenshot SHOT under $WORK: "bare" taskbar, the "icon" of the Windows
# program FILE as the shell draws it there, or "other" (another icon, no
# taskbar, a desktop not yet drawn).
tray_shows() {  # tray_shows SHOT [FILE]
  local shot=$WORK/$1 file=${2:-} colour
  colour=$(convert "$shot" -crop "1x1$TASKBAR_POINT" +repage \
    -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:) || return 1
  convert "$shot" -crop "$TRAY_UNCOVERED" +repage "$WORK/tray.png"
  convert -size 8x16 "xc:rgb($colour)" "$WORK/taskbar.png"
  if [ "$(compare -metric AE "$WORK/tray.png" "$WORK/taskbar.png" null: 2>&1)" = 0 ]; then
    echo bare
  elif [ -n "$file" ] && probe icon "$file" "$colour" "Z:$WORK/icon.bmp" &&
       convert "$WORK/icon.bmp" -crop 8x16+0+0 +repage "$WORK/icon.png" &&
       [ "$(compare -metric AE -fuzz 1% "$WORK/tray.png" "$WORK/icon.png" null: 2>&1)" = 0 ]; then
    echo icon
  else
    echo other
  fi
}
