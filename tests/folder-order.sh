#!/usr/bin/env bash
# The program's folders include only themselves and the folders below them,
# in this order: port, settings, engine, shell, platform; and neither
# binding under platform/ includes the other. Every quoted include of every
# source file in them is read; one that climbs back up fails the test, with
# its file and line.
set -euo pipefail
cd "$(dirname "$0")/.."

# The folder a path belongs to: its first part, or its first two under
# platform/.
folder() {
  case $1 in
    platform/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "${1%%/*}" ;;
  esac
}

rank() {
  case $1 in
    port) echo 0 ;;
    settings) echo 1 ;;
    engine) echo 2 ;;
    shell) echo 3 ;;
    platform/*) echo 4 ;;
    *) echo 9 ;;
  esac
}

failed=0
checked=0
while IFS= read -r file; do
  own=$(folder "$file")
  while IFS=: read -r line included; do
    checked=$((checked + 1))
    other=$(folder "$included")
    if [ "$(rank "$other")" -gt "$(rank "$own")" ] ||
       { [ "$(rank "$other")" = 4 ] && [ "$other" != "$own" ]; }; then
      echo "not ok - $file:$line includes $included, of $other, which $own may not include"
      failed=1
    fi
  done < <(grep -n '^#include "[^"]*/' "$file" | sed 's/^\([0-9]*\):#include "\([^"]*\)".*/\1:\2/')
done < <(find port settings engine shell platform -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
[ "$checked" -gt 100 ] || { echo "not ok - only $checked includes read"; exit 1; }
[ "$failed" = 0 ] && echo "ok - $checked includes, none of a folder above the including one"
exit "$failed"
