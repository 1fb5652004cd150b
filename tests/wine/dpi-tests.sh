#!/usr/bin/env bash
# The help window at 150 % and 200 % scaling (LogPixels 144 and 192) in the
# specification's Chinese, and in English at 100 % and 200 %, each in a
# Wine session of its own on a screen large enough to hold it: its client
# area holds the whole label, the label the whole text, both link boxes lie
# on their lines, and each link's caption fits its box; the English one
# holds no Chinese character. Leaves build/screenshots/help-144.png,
# help-192.png, help-en-96.png and help-en-192.png.
set -uo pipefail
cd "$(dirname "$0")/../.."
export WINE_WORK=$PWD/build/wine-dpi SCREEN=2048x1536
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh "$BITS" >/dev/null
SHOTS=$ROOT/build/screenshots
HELP_COMMAND=107  # the tray menu's "查看软件介绍", "About Tremolux"

# The bounding box "W H X Y" of whatever is not the box's background inside
# the box's client area (the rectangle "L T R B" on the screen, inset by its
# two-pixel sunken edge), in a screenshot: the caption as drawn.
caption_box() {
  local shot=$1 l t r b
  read -r l t r b <<<"$2"
  convert "$shot" -crop "$((r - l - 4))x$((b - t - 4))+$((l + 2))+$((t + 2))" +repage \
    -fuzz 15% -fill black -opaque 'rgb(216,216,0)' -fill white +opaque black -trim \
    -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+'
}

# One DPI, in one language: Wine takes the DPI when its server starts, and
# keeps it until it ends; the language is the program's process's.
session() {  # session DPI zh|en
  local dpi=$1 language=$2 name=$1 locale=zh_CN.UTF-8 langid=0x0804
  [ "$language" = en ] && name=en-$1 locale=en_US.UTF-8 langid=0x0409
  local out=$WORK/children-$name.txt
  log "a session at LogPixels $dpi in $locale"
  "$WINESERVER" -k 2>/dev/null
  (
    unset DISPLAY
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$SCREEN" /f
    "$WINESERVER" -w
  ) >/dev/null 2>&1
  start_desktop || { check "the desktop starts at LogPixels $dpi" up down; return; }
  spawn env LC_ALL="$locale" LANG="$locale" "$WINE" "$BUILD/tremolux.exe"
  await 10 class TremoluxWindow >/dev/null
  probe command "$HELP_COMMAND"
  if ! await 10 children TremoluxWindow >"$out"; then
    check "the help window opens at LogPixels $dpi" yes no
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
  check "$dpi: the client area holds the whole label" yes \
    "$([ -n "$label" ] && [ "$ll" -ge 0 ] && [ "$lt" -ge 0 ] && [ "$lr" -le "$width" ] &&
       [ "$lb" -le "$height" ] && echo yes || echo no)"

  # the text as the label's font lays it out at the label's width, measured
  # apart from the program: SimSun's stand-in, or the message font
  local font=$(((-12 * dpi - 48) / 96)) line text mail home layout
  layout=(--layout "$font")
  [ "$language" = zh ] || layout=(--layout-message "$langid")
  local mail_width home_width
  read -r _ line _ text _ mail _ home _ mail_width home_width < <(env LC_ALL="$locale" \
    LANG="$locale" "$WINE" "$BUILD/fontfit.exe" "${layout[@]}" "$((lr - ll - 2))" 2>/dev/null |
    tr -d '\r')
  check "$dpi: the label holds the whole text ($text of $((lb - lt - 2)) pixels)" yes \
    "$([ -n "$text" ] && [ "$((text + 2))" -le "$((lb - lt))" ] && echo yes || echo no)"
  local which bottom box bl bt br bb
  for which in 1 2; do
    box=$(sed -n "${which}p" <<<"$boxes")
    read -r bl bt br bb <<<"$box"
    local words=$home_width
    if [ "$which" = 1 ]; then bottom=$mail words=$mail_width; else bottom=$home; fi
    bottom=$((lt + 1 + bottom))
    check "$dpi: link box $which leaves its line's words uncovered (they end at $((ll + 1 + words)), it starts at $bl)" \
      yes "$([ -n "$words" ] && [ "$((ll + 1 + words))" -le "$bl" ] && echo yes || echo no)"
    check "$dpi: link box $which lies on its line (rows $((bottom - line))-$bottom in $bt-$bb)" yes \
      "$([ -n "$box" ] && [ "$bt" -le "$((bottom - line))" ] && [ "$bb" -ge "$bottom" ] &&
         echo yes || echo no)"
    local drawn cw ch cx cy
    drawn=$(caption_box "$shot" "$((x + bl)) $((y + bt)) $((x + br)) $((y + bb))")
    read -r cw ch cx cy <<<"$drawn"
    check "$dpi: link box $which's caption fits it (drawn $cw wide in $((br - bl - 4)))" yes \
      "$([ -n "$drawn" ] && [ "$cw" -gt 20 ] && [ "$cx" -ge 2 ] &&
         [ "$((cx + cw + 2))" -le "$((br - bl - 4))" ] && echo yes || echo no)"
  done
  if [ "$language" = en ]; then
    local title
    title=$(probe title TremoluxWindow)
    check "$dpi: the English help window's title, $title, holds no Chinese character" yes \
      "$(free_of_chinese "$title")"
    check "$dpi: its introduction is the English one" TremoluxLabel \
      "$(probe help-text TremoluxWindow english)"
    local links
    links=$(xdotool key Tab; sleep 0.3; probe focus TremoluxWindow; xdotool key Tab; sleep 0.3
            probe focus TremoluxWindow)
    check "$dpi: its links, $(paste -sd, <<<"$links"), hold no Chinese character" yes \
      "$([ -n "$links" ] && free_of_chinese "$links")"
  fi
  "$WINESERVER" -k 2>/dev/null
}

main() {
  trap wine_teardown EXIT
  trap "exit 130" INT TERM
  mkdir -p "$SHOTS"
  [ -z "$ROAD_NOTE" ] || echo "# $ROAD_NOTE"
  start_prefix && start_display || { echo "not ok - Wine did not start"; exit 1; }
  session 144 zh
  session 192 zh
  session 96 en
  session 192 en
  echo "# screenshots: $SHOTS/help-144.png, help-192.png, help-en-96.png, help-en-192.png"
  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
}

main "$@"
