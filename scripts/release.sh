#!/usr/bin/env bash
# Makes what users download, under dist/:
#   tremolux-VERSION-win32.zip        tremolux.exe and a read-me for Windows users
#   tremolux-VERSION-setup.exe        the installer (NSIS)
#   SHA256SUMS                        of both
# release.sh --arch amd64 makes the same of the 64-bit build (-win64 in the
# names); --out DIR puts them elsewhere. The version is the CMake project's.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=x86
out=dist
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) arch=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: release.sh [--arch x86|amd64] [--out DIR]" >&2; exit 2 ;;
  esac
done
case "$arch" in
  x86) bits=32 suffix=win32 setup=setup ;;
  amd64) bits=64 suffix=win64 setup=win64-setup ;;
  *) echo "release.sh: no architecture $arch" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh release "windows$bits"
version=$(sed -n 's/^project(Tremolux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
bash scripts/build-windows.sh "$bits" >/dev/null
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files as a user gets them: the read-me with Windows line ends and a
# byte-order mark, so that Notepad shows it right. They carry the commit's
# time, so that the zip is the same bytes from every build of the commit.
cp "build/win$bits/tremolux.exe" "$work/tremolux.exe"
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' installer/readme.txt; } >"$work/readme.txt"
stamp=$(git log -1 --format=%ct 2>/dev/null || echo 315532800)
touch -d "@$stamp" "$work/tremolux.exe" "$work/readme.txt"

zip=tremolux-$version-$suffix.zip
installer=tremolux-$version-$setup.exe
rm -f "$out/$zip" "$out/$installer"
(cd "$work" && TZ=UTC zip -q -X -D "$out/$zip" tremolux.exe readme.txt)
makensis -V2 -DVERSION="$version" -DARCH="$arch" -DEXE="$work/tremolux.exe" \
  -DREADME="$work/readme.txt" -DOUTFILE="$out/$installer" installer/tremolux.nsi
(cd "$out" && sha256sum "$zip" "$installer" >SHA256SUMS)
for file in "build/win$bits/tremolux.exe" "$out/$zip" "$out/$installer"; do
  printf '%s: %d bytes\n' "${file#"$PWD"/}" "$(stat -c %s "$file")"
done
