#!/usr/bin/env bash
# The release under Wine, in a fresh prefix: the installer runs silently for
# all users; the program, its shortcut and its entry among the installed
# programs are there, with its version; the installed program starts and
# shows its tray icon; the silent uninstaller ends it as its exit command
# does (exit code 0) and leaves no file, shortcut or registry value of ours
# behind. Then for the current user alone: the program under the user's own
# programs folder, its entry under HKEY_CURRENT_USER and none under
# HKEY_LOCAL_MACHINE; that copy keeps a setting it is told to change under
# HKEY_CURRENT_USER; its uninstaller leaves nothing behind. Wine gives every
# process an administrator's token, so a standard user's refusals cannot be
# shown here. Where this machine runs only 64-bit Wine, the same installer
# script is made for the 64-bit build and tested.
set -uo pipefail
cd "$(dirname "$0")/../.."
export WINE_WORK=$PWD/build/wine-install
bash scripts/install-deps.sh wine release
source tests/wine/lib.sh

there() { [ -e "$1" ] && echo yes || echo no; }
key_there() { "$WINE" reg query "$1" ${2:+/v "$2"} >/dev/null 2>&1 && echo yes || echo no; }

main() {
  local arch=x86 setup=setup
  if [ "$BITS" = 64 ]; then
    arch=amd64 setup=win64-setup
    echo "# $ROAD_NOTE; the installer is made for the 64-bit build"
  fi
  local release=$PWD/build/release-$arch version
  bash scripts/release.sh --arch "$arch" --out "$release" >/dev/null || {
    echo "not ok - the release could not be made"
    exit 1
  }
  version=$(sed -n 's/^project(Tremolux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

  trap wine_teardown EXIT
  trap "exit 130" INT TERM
  rm -rf "$WINEPREFIX"
  wine_setup || { echo "not ok - Wine desktop did not start"; exit 1; }

  local dir="$WINEPREFIX/drive_c/Program Files/Tremolux"
  local exe='C:\Program Files\Tremolux\tremolux.exe'
  local shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tremolux.lnk"
  local entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tremolux'

  "$WINE" "$release/tremolux-$version-$setup.exe" /S /AllUsers >/dev/null 2>&1
  check "the silent installer for all users puts the program in Program Files\\Tremolux" yes \
    "$(there "$dir/tremolux.exe")"
  check "with a Start-menu shortcut" yes "$(there "$shortcut")"
  check "and an entry among the installed programs, with the version" "$version" \
    "$("$WINE" reg query "$entry" /v DisplayVersion 2>/dev/null | tr -d '\r' |
       awk '$1 == "DisplayVersion" {print $3}')"
  check "the program's version resource reads $version" "$version $version Tremolux" \
    "$(probe version "$exe" | sed 's/ $//')"

  screenshot "$WORK/no-icon.png"
  check "before it starts, the tray shows no icon" bare "$(tray_shows no-icon.png)"
  spawn "$WINE" "$exe"
  local tremolux=$LAST_PID
  check "the installed program starts: its windows are there" yes \
    "$(await 10 class TremoluxWindow >/dev/null && echo yes || echo no)"
  check "they belong to the installed program's process" "$exe" "$(probe image TremoluxWindow)"
  sleep 1
  screenshot "$WORK/icon.png"
  check "which shows its own icon in the tray" icon "$(tray_shows icon.png "$exe")"

  # settings as a session of use leaves them, under both roots
  local run='Software\Microsoft\Windows\CurrentVersion\Run'
  "$WINE" reg add 'HKLM\Software\Kestrelia\Tremolux' /v opmode /t REG_DWORD /d 2 /f >/dev/null 2>&1
  "$WINE" reg add "HKLM\\$run" /v Tremolux /d "$exe" /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Kestrelia\Tremolux' /v NoMax /t REG_DWORD /d 1 /f >/dev/null 2>&1
  "$WINE" reg add "HKCU\\$run" /v Tremolux /d "$exe" /f >/dev/null 2>&1

  # the uninstaller runs from a copy of itself and returns at once
  "$WINE" 'C:\Program Files\Tremolux\uninstall.exe' /S >/dev/null 2>&1
  for _ in $(seq 100); do [ -e "$dir" ] || break; sleep 0.3; done
  local code=running
  for _ in $(seq 25); do kill -0 "$tremolux" 2>/dev/null || break; sleep 0.2; done
  if ! kill -0 "$tremolux" 2>/dev/null; then
    wait "$tremolux"
    code=$?
  fi
  check "the uninstaller ends the running program as its exit command does: exit code 0" 0 "$code"
  sleep 0.5
  screenshot "$WORK/after.png"
  check "and its tray icon goes" bare "$(tray_shows after.png)"
  check "no file is left" no "$(there "$dir")"
  check "no shortcut" no "$(there "$shortcut")"
  check "no entry among the installed programs" no "$(key_there "$entry")"
  check "no settings under HKLM" no "$(key_there 'HKLM\Software\Kestrelia')"
  check "no settings under HKCU" no "$(key_there 'HKCU\Software\Kestrelia')"
  check "no start-with-Windows value under HKLM" no "$(key_there "HKLM\\$run" Tremolux)"
  check "no start-with-Windows value under HKCU" no "$(key_there "HKCU\\$run" Tremolux)"

  # for the current user alone
  local user_entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tremolux'
  "$WINE" "$release/tremolux-$version-$setup.exe" /S /CurrentUser >/dev/null 2>&1
  local programs
  programs=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs 2>/dev/null | head -1)
  check "/S /CurrentUser puts the program under the user's own programs folder" yes \
    "$(there "$programs/Tremolux/tremolux.exe")"
  check "and nothing in Program Files" no "$(there "$dir")"
  local user_shortcut
  user_shortcut="$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs 2>/dev/null | head -1)/Tremolux.lnk"
  check "with a shortcut in the user's own Start menu" yes "$(there "$user_shortcut")"
  check "with its entry among the installed programs under HKCU" "$version" \
    "$("$WINE" reg query "$user_entry" /v DisplayVersion 2>/dev/null | tr -d '\r' |
       awk '$1 == "DisplayVersion" {print $3}')"
  check "and none under HKLM" no "$(key_there "$entry")"
  local user_exe
  user_exe=$("$WINE" reg query "$user_entry" /v InstallLocation 2>/dev/null | tr -d '\r' |
             sed -n 's/^ *InstallLocation *REG_SZ *//p')'\tremolux.exe'
  spawn "$WINE" "$user_exe"
  tremolux=$LAST_PID
  await 10 class TremoluxWindow >/dev/null
  # told to change its settings, as choosing the menu's items does
  probe command 103
  probe command 106
  sleep 0.5
  check "that copy keeps a setting it is told to change under HKCU" "0x2" \
    "$("$WINE" reg query 'HKCU\Software\Kestrelia\Tremolux' /v opmode 2>/dev/null |
       tr -d '\r' | awk '$1 == "opmode" {print $3}')"
  check "and its start-with-Windows value" yes "$(key_there "HKCU\\$run" Tremolux)"
  check "nothing under HKLM" "no no" \
    "$(key_there 'HKLM\Software\Kestrelia') $(key_there "HKLM\\$run" Tremolux)"
  # started through another spelling of its folder, Wine's Z: drive, it is
  # the same copy, installed for the user
  probe command 109
  for _ in $(seq 25); do kill -0 "$tremolux" 2>/dev/null || break; sleep 0.2; done
  spawn "$WINE" "Z:$(tr / '\\' <<<"$programs/Tremolux/tremolux.exe")"
  tremolux=$LAST_PID
  await 10 class TremoluxWindow >/dev/null
  probe command 104
  sleep 0.5
  check "started through its Z: path, that copy keeps NoMax under HKCU" "0x1" \
    "$("$WINE" reg query 'HKCU\Software\Kestrelia\Tremolux' /v NoMax 2>/dev/null |
       tr -d '\r' | awk '$1 == "NoMax" {print $3}')"
  check "and none under HKLM" no "$(key_there 'HKLM\Software\Kestrelia')"
  "$WINE" "$programs/Tremolux/uninstall.exe" /S >/dev/null 2>&1
  for _ in $(seq 100); do [ -e "$programs/Tremolux" ] || break; sleep 0.3; done
  code=running
  for _ in $(seq 25); do kill -0 "$tremolux" 2>/dev/null || break; sleep 0.2; done
  if ! kill -0 "$tremolux" 2>/dev/null; then
    wait "$tremolux"
    code=$?
  fi
  check "its uninstaller ends the program with exit code 0" 0 "$code"
  check "and leaves no file" no "$(there "$programs/Tremolux")"
  check "no shortcut" no "$(there "$user_shortcut")"
  check "no entry" no "$(key_there "$user_entry")"
  check "no settings" no "$(key_there 'HKCU\Software\Kestrelia')"
  check "no start-with-Windows value" no "$(key_there "HKCU\\$run" Tremolux)"

  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
}

main "$@"
