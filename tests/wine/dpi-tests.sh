#!/usr/bin/env bash
# The program in each of its languages, at a scaling from 100 % to 200 %
# (LogPixels 96 to 192), each in a Wine session of its own on a screen
# large enough to hold the help window: every text drawn in that session's
# fonts; the second instance's message in the language; the help window's
# client area holds the whole label, both link boxes lie on their lines in
# the label as drawn (the second on the text's last) and each link's
# caption fits its box; its title, introduction and links are the
# language's. Leaves build/screenshots/help-NAME.png and
# second-instance-NAME.png for each session, NAME its DPI (the
# specification's Chinese) or its language and DPI (de-192).
set -uo pipefail
cd "$(dirname "$0")/../.."
export WINE_WORK=$PWD/build/wine-dpi SCREEN=2048x1536
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh "$BITS" >/dev/null
SHOTS=$ROOT/build/screenshots
HELP_COMMAND=107  # the tray menu's "查看软件介绍", "About Tremolux"

# The bounding box "W H X Y" of the ink of a colour ("rgb(R,G,B)") inside
# the rectangle "L T R B" on the screen, in a screenshot: the help text is
# navy, a link's caption blue.
ink_box() {
  local shot=$1 l t r b
  read -r l t r b <<<"$2"
  convert "$shot" -crop "$((r - l))x$((b - t))+$l+$t" +repage \
    -fuzz 25% -fill black -opaque "$3" -fill white +opaque black -trim \
    -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+'
}

# One DPI, in one language: Wine takes the DPI when its server starts, and
# keeps it until it ends; the language is the program's process's, LOCALE
# for Wine and LANGID for the texts the probe expects. The specification's
# Chinese is named by its DPI alone, any other language by its locale too.
session() {  # session DPI LOCALE LANGID
  local dpi=$1 locale=$2 langid=$3 name=$1
  local run=(env LC_ALL="$locale" LANG="$locale")
  case $locale in
    zh_CN.*) ;;
    zh_TW.*) name=zh-TW-$dpi ;;
    *) name=${locale%%_*}-$dpi ;;
  esac
  local out=$WORK/children-$name.txt expected
  expected=$(probe texts "$langid")
  log "a session at LogPixels $dpi in $locale"
  "$WINESERVER" -k 2>/dev/null
  (
    unset DISPLAY
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$SCREEN" /f
    "$WINESERVER" -w
  ) >/dev/null 2>&1
  start_desktop || { check "the desktop starts at LogPixels $dpi" up down; return; }
  glyphs_drawn "$locale" "$langid" "$dpi"
  spawn "${run[@]}" "$WINE" "$BUILD/tremolux.exe"
  await 10 class TremoluxWindow >/dev/null
  # the second instance's message, in the language
  "${run[@]}" "$WINE" "$BUILD/tremolux.exe" >/dev/null 2>&1 &
  STARTED_PIDS+=($!)
  local box
  if box=$(await 10 dialog); then
    screenshot "$SHOTS/second-instance-$name.png"
    xdotool key Return
  fi
  check "$name: the second instance's message: $box" "$(sed -n 1p <<<"$expected")" "$box"
  probe command "$HELP_COMMAND"
  if ! await 10 children TremoluxWindow >"$out"; then
    check "$name: the help window opens at LogPixels $dpi" yes no
    return
  fi
  sleep 1
  local shot=$SHOTS/help-$name.png
  screenshot "$shot"

  local width height x y label boxes
  read -r _ width height x y < <(grep '^client ' "$out")
  label=$(awk '$1 == "TremoluxLabel" {print $2, $3, $4, $5}' "$out")
  # the link boxes, the Email one above the home-page one
  boxes=$(awk '$1 == "TremoluxLink" {print $3, $2, $4, $5}' "$out" | sort -n |
    awk '{print $2, $1, $3, $4}')
  local ll lt lr lb
  read -r ll lt lr lb <<<"$label"
  check "$name: the client area holds the whole label" yes \
    "$([ -n "$label" ] && [ "$ll" -ge 0 ] && [ "$lt" -ge 0 ] && [ "$lr" -le "$width" ] &&
       [ "$lb" -le "$height" ] && echo yes || echo no)"

  # each link box on its line, as drawn: the line's words (navy on the
  # label) lie left of the box, within its rows, and end before it; the
  # blank lines around them leave the rest of that strip bare. The home-page
  # line is the text's last: drawn, it shows the text's end in the label.
  local which box bl bt br bb ink iw ih ix iy
  for which in 1 2; do
    box=$(sed -n "${which}p" <<<"$boxes")
    read -r bl bt br bb <<<"$box"
    local margin=$(((bb - bt) / 4)) wide=$((bl - ll - 2))
    ink=$(ink_box "$shot" \
      "$((x + ll + 1)) $((y + bt - margin)) $((x + bl - 1)) $((y + bb + margin))" 'rgb(0,0,128)')
    read -r iw ih ix iy <<<"$ink"
    local top=$((bt - margin + ${iy:-0}))
    check "$name: link box $which lies on its line (words drawn at rows $top-$((top + ${ih:-0})) in $bt-$bb)" \
      yes "$([ -n "$box" ] && [ -n "$ink" ] && [ "$iw" -gt 2 ] && [ "$top" -ge "$bt" ] &&
             [ "$((top + ih))" -le "$bb" ] && echo yes || echo no)"
    check "$name: link box $which leaves its line's words uncovered (they end $((wide - ${ix:-0} - ${iw:-0})) pixels before it)" \
      yes "$([ -n "$ink" ] && [ "$((ix + iw))" -lt "$((wide - 1))" ] && echo yes || echo no)"
    local drawn cw ch cx cy
    # inside the box's client area, within its two-pixel sunken edge
    drawn=$(ink_box "$shot" "$((x + bl + 2)) $((y + bt + 2)) $((x + br - 2)) $((y + bb - 2))" \
      'rgb(0,0,255)')
    read -r cw ch cx cy <<<"$drawn"
    check "$name: link box $which's caption fits it (drawn $cw wide in $((br - bl - 4)))" yes \
      "$([ -n "$drawn" ] && [ "$cw" -gt 20 ] && [ "$cx" -ge 2 ] &&
         [ "$((cx + cw + 2))" -le "$((br - bl - 4))" ] && echo yes || echo no)"
  done
  # its title, its introduction and its links in the language, as a screen
  # reader reads them
  check "$name: the help window's title" "$(sed -n 2p <<<"$expected")" \
    "$(probe title TremoluxWindow)"
  check "$name: its introduction" TremoluxLabel "$(probe help-text TremoluxWindow "$langid")"
  local links
  links=$(xdotool key Tab; sleep 0.3; probe focus TremoluxWindow; xdotool key Tab; sleep 0.3
          probe focus TremoluxWindow)
  check "$name: its links" "$(sed -n 3p <<<"$expected")" "$(paste -sd, <<<"$links")"
  "$WINESERVER" -k 2>/dev/null
}

main() {
  trap wine_teardown EXIT
  trap "exit 130" INT TERM
  mkdir -p "$SHOTS"
  [ -z "$ROAD_NOTE" ] || echo "# $ROAD_NOTE"
  start_prefix && start_display || { echo "not ok - Wine did not start"; exit 1; }
  # every language once, and the longest words and the widest scripts at
  # 200 %: Windows' scaling steps from 100 % to 200 %
  local each dpi locale langid
  for each in 144:zh_CN:0x0804 192:zh_CN:0x0804 96:en_US:0x0409 192:en_US:0x0409 \
                 120:zh_TW:0x0404 144:ja_JP:0x0411 120:ko_KR:0x0412 96:de_DE:0x0407 \
                 192:de_DE:0x0407 120:fr_FR:0x040C 144:es_ES:0x0C0A 96:pt_BR:0x0416 \
                 168:ru_RU:0x0419 168:it_IT:0x0410 120:pl_PL:0x0415 192:tr_TR:0x041F; do
    IFS=: read -r dpi locale langid <<<"$each"
    session "$dpi" "$locale.UTF-8" "$langid"
  done
  echo "# screenshots: $SHOTS/help-*.png and second-instance-*.png, one of each a session"
  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
}

main "$@"
