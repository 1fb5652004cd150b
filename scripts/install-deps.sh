#!/usr/bin/env bash
# Installs, from Debian's packages, what the build and the tests need and
# this machine lacks. Run as root; does nothing when all is there.
#   install-deps.sh [bench] [fuzz] [windows32] [windows64] [wine] [release]
set -euo pipefail

packages=(cmake make g++ libgtest-dev)
for extra in "$@"; do
  case "$extra" in
    bench) packages+=(valgrind) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    windows32) packages+=(g++-mingw-w64-i686) ;;
    windows64) packages+=(g++-mingw-w64-x86-64) ;;
    release) packages+=(nsis zip) ;;
    wine) packages+=(wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick
                     fonts-wqy-microhei fonts-arphic-gbsn00lp python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64) ;;
    *) echo "install-deps: unknown set $extra" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# wine32 is an i386 package
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
