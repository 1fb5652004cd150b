#!/usr/bin/env bash
# Two builds of tremolux.exe from the same sources, in two folders of
# different names and depths, give the same bytes: no link timestamp, no
# build path inside. Each width is built twice and compared.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for bits in 32 64; do
  bash "$root/scripts/install-deps.sh" "windows$bits" >/dev/null
  for place in one "second/folder/deeper"; do
    mkdir -p "$work/$place"
    # a copy of the sources, as another machine's checkout would be
    (cd "$root" && { git ls-files -z 2>/dev/null ||
                     find . -path ./build -prune -o -path ./dist -prune -o -type f -print0; } |
       xargs -0 cp --parents -t "$work/$place")
    cmake -S "$work/$place" -B "$work/$place/build$bits" \
      -DCMAKE_TOOLCHAIN_FILE="$work/$place/cmake/mingw$bits.cmake" \
      -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$work/$place/build$bits" --target tremolux -j"$(nproc)" >/dev/null
  done
  a=$work/one/build$bits/tremolux.exe
  b=$work/second/folder/deeper/build$bits/tremolux.exe
  if cmp -s "$a" "$b"; then
    echo "ok - the $bits-bit tremolux.exe is the same from both folders ($(stat -c %s "$a") bytes, sha256 $(sha256sum "$a" | cut -c1-16))"
  else
    echo "not ok - the $bits-bit tremolux.exe differs between the folders:"
    cmp -l "$a" "$b" | head -5
    exit 1
  fi
done
