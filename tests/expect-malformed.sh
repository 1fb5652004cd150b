#!/bin/sh
# Runs a malformed scenario and checks that the replay tool refuses it with
# exit 2, naming the line and the reason given in the file's first line:
#   # error: LINE: TEXT
replay=$1
file=$2
want=$(sed -n '1s/^# error: //p' "$file")
[ -n "$want" ] || { echo "$file: first line must be '# error: LINE: TEXT'"; exit 1; }
err=$("$replay" "$file" 2>&1 >/dev/null)
code=$?
[ "$code" -eq 2 ] || { echo "exit $code, expected 2 ($err)"; exit 1; }
case "$err" in
  *":$want"*) exit 0 ;;
  *) echo "stderr: $err"; echo "expected to contain: :$want"; exit 1 ;;
esac
