#!/usr/bin/env bash
# The 32-bit tremolux.exe as users get it: every function it imports is one
# that Windows XP exports (tests/xp-exports.txt), so that XP's loader starts
# it, and it is at most 128 KiB (131,072 bytes), the room its languages
# have: 72 KiB held the program in one language; its English texts (the
# help's alone 3.3 KB) took 4.5 KB more, and Traditional Chinese 3 KB.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh 32 >/dev/null
exe=build/win32/tremolux.exe
imports=$(i686-w64-mingw32-objdump -p "$exe" |
  awk '/DLL Name:/ {dll = tolower($3); next}
       dll && NF >= 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && $3 != "00000000" {print dll, $3}' |
  sort -u)
count=$(wc -l <<<"$imports")
# the import table was read, not found empty
[ "$count" -ge 100 ] || { echo "not ok - only $count imports read from $exe"; exit 1; }
missing=$(comm -23 <(echo "$imports") <(grep -v '^#' tests/xp-exports.txt | sort -u))
failed=0
if [ -n "$missing" ]; then
  echo "not ok - imports that Windows XP does not export (look them up at run time):"
  sed 's/^/#   /' <<<"$missing"
  failed=1
else
  echo "ok - all $count imports are exported by Windows XP"
fi
size=$(stat -c %s "$exe")
if [ "$size" -le $((128 * 1024)) ]; then
  echo "ok - $size bytes, at most 128 KiB"
else
  echo "not ok - $size bytes, more than 128 KiB"
  failed=1
fi
exit "$failed"
