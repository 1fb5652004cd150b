#!/usr/bin/env bash
# Installs, from Debian's packages, what the build and the tests need and
# this machine lacks. Run as root; does nothing when all is there.
#   install-deps.sh [bench] [fuzz] [windows32] [windows64] [wine] [release]
# Debian's mirrors can serve a package list that fails its checksum for
# days (the i386 lists, often): a list that cannot be read is retried, then
# done without. wine32:i386 with its 32-bit libraries is the one set that may
# be missing: without it the Wine tests and the run command take the 64-bit
# road (tests/wine/lib.sh).
# Any other package that cannot be had fails, by name.
set -euo pipefail

packages=(cmake make g++ libgtest-dev)
wine_x_libraries=(libxinerama1 libxrandr2 libxcursor1 libxi6 libxrender1 libxfixes3
                  libxcomposite1 libxxf86vm1)
optional=()
for extra in "$@"; do
  case "$extra" in
    bench) packages+=(valgrind) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    windows32) packages+=(g++-mingw-w64-i686) ;;
    windows64) packages+=(g++-mingw-w64-x86-64) ;;
    release) packages+=(nsis zip) ;;
    # Wine draws as Windows does only with what libwine merely recommends:
    # its own fonts (Tahoma, Marlett) and the X libraries it loads at run
    # time (Xinerama for a second monitor); the CJK faces stand in for
    # Windows' own, Song and Ming faces with Latin letters among them.
    wine) packages+=(wine wine64 xvfb xserver-xephyr xdotool x11-utils imagemagick
                     fonts-wine fonts-wqy-microhei fonts-arphic-gbsn00lp fonts-arphic-uming
                     python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64
                     "${wine_x_libraries[@]}")
          optional+=(wine32:i386 "${wine_x_libraries[@]/%/:i386}") ;;
    *) echo "install-deps: unknown set $extra" >&2; exit 2 ;;
  esac
done

# A name without an architecture is the machine's own (or one for all):
# with i386 added, dpkg lists a library once for each.
native=$(dpkg --print-architecture)
installed() {
  local want=$native
  [[ "$1" == *:* ]] && want=${1#*:}
  dpkg-query -W -f='${Status} ${Architecture}\n' "${1%%:*}" 2>/dev/null |
    grep -qE "^install ok installed ($want|all)\$"
}
installable() { apt-get install -s -qq --no-install-recommends "$@" >/dev/null 2>&1; }
has_candidate() { [[ "$(apt-cache policy "$1" 2>/dev/null)" == *"Candidate: "[!\(]* ]]; }

missing=() missing_optional=()
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
for package in "${packages[@]}"; do installed "$package" || missing+=("$package"); done
for package in "${optional[@]}"; do installed "$package" || missing_optional+=("$package"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if [ ${#missing_optional[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

# apt-get update fails as a whole when one list fails, but keeps the lists
# it could read; three tries, then on with what there is.
# The stamp says when they were last asked for: a list that has not changed
# keeps its old time.
stamp=/var/cache/apt/tremolux-lists-read
refresh_lists() {
  local try
  touch "$stamp"
  for try in 1 2 3; do
    apt-get update -qq >/dev/null 2>&1 && return 0
    [ "$try" = 3 ] || sleep 3
  done
  echo "install-deps: some of Debian's package lists could not be read; going on with the others" >&2
}

# The lists are read again when they are over an hour old or lack a package
# asked for (as after the architecture was added); not on every call, so a
# mirror that keeps failing costs its retries once an hour, not per test.
needs_refresh=no
[ -n "$(find "$stamp" -mmin -60 2>/dev/null)" ] || needs_refresh=yes
for package in "${missing[@]}" "${missing_optional[@]}"; do
  has_candidate "$package" || needs_refresh=yes
done
[ "$needs_refresh" = yes ] && refresh_lists

# The optional packages are 32-bit Wine and its libraries: all or none.
plan=("${missing[@]}")
if [ ${#missing_optional[@]} -gt 0 ]; then
  if installable "${missing_optional[@]}"; then
    plan+=("${missing_optional[@]}")
  else
    echo "install-deps: wine32:i386 cannot be installed from Debian's lists today; the Wine tests take the 64-bit road"
  fi
fi
[ ${#plan[@]} -eq 0 ] && exit 0

if ! installable "${plan[@]}"; then
  unavailable=()
  for package in "${plan[@]}"; do installable "$package" || unavailable+=("$package"); done
  [ ${#unavailable[@]} -gt 0 ] || unavailable=("${plan[@]}")
  echo "install-deps: cannot install ${unavailable[*]} from Debian's package lists" >&2
  exit 100
fi
echo "installing: ${plan[*]}"
# a list read earlier may name a version the mirror no longer has
apt-get install -y -qq --no-install-recommends "${plan[@]}" ||
  { refresh_lists; apt-get install -y -qq --no-install-recommends "${plan[@]}"; }
