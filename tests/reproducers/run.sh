#!/usr/bin/env bash
# The replay tool's reproducers: each ends with its documented exit code and
# message, well within a minute and within 256 MB of address space (the
# ceiling is left off under AddressSanitizer, which reserves far more).
#   run.sh REPLAY [--sanitized]
# Small reproducers are files here, with "# exit: N" and "# message: TEXT"
# as their first lines; large ones are made below.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
replay=$1
memory="ulimit -v 262144;"
[ "${2:-}" = --sanitized ] && memory=
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# reproduce NAME CODE MESSAGE FILE [OUTPUT]
reproduce() {
  local name=$1 want=$2 message=$3 file=$4 output=${5:-/dev/null} code started elapsed
  started=$(date +%s%N)
  bash -c "$memory timeout 60 \"\$0\" \"\$1\" >\"\$2\" 2>\"\$3\"" \
    "$replay" "$file" "$output" "$work/err"
  code=$?
  elapsed=$((($(date +%s%N) - started) / 1000000))
  if [ "$code" -eq "$want" ] && { [ -z "$message" ] || grep -qF -- "$message" "$work/err"; }; then
    echo "ok - $name: exit $code in $elapsed ms"
  else
    echo "not ok - $name: exit $code in $elapsed ms, expected $want with \"$message\""
    sed 's/^/#   /' "$work/err" | head -5
    failed=1
  fi
}

for file in "$here"/*.scn; do
  reproduce "$(basename "$file" .scn)" "$(sed -n '1s/^# exit: //p' "$file")" \
    "$(sed -n '2s/^# message: //p' "$file")" "$file"
done

# 12,812 nested message boxes: each box's loop runs the next call, which
# opens another box
for _ in $(seq 12812); do echo "at 1 call CleanUpSettings"; done >"$work/nested.scn"
reproduce nested_message_boxes 1 "message loops would be nested" "$work/nested.scn"

# dump registry of large values: few lines, many bytes
{
  for i in $(seq 400); do printf 'registry HKLM\\big\\v%d bytes 3 %s\n' "$i" "$(head -c 2000 /dev/zero | tr '\0' 'a')"; done
  for i in $(seq 200); do echo "at $i dump registry"; done
} >"$work/big.scn"
reproduce large_registry_dumps 1 "the trace would grow past" "$work/big.scn"

# a trace of 900,000 lines with 1,000 expects, each answered from the index
{
  for i in $(seq 900); do echo "registry HKLM\\many\\v$i dword $i"; done
  for i in $(seq 1000); do echo "at $i dump registry"; echo "expect registry HKLM\\many\\v$(((i % 900) + 1)) dword $(((i % 900) + 1))"; done
  echo "expect count 1000 registry HKLM\\many\\v1 dword 1"
} >"$work/expects.scn"
reproduce expects_over_a_long_trace 0 "" "$work/expects.scn"

# a directory is no scenario; a trace that cannot be written is no pass
reproduce directory_as_file 2 "is a directory" "$here"
reproduce trace_to_a_full_disk 1 "could not be written" "$here/../scenarios/tray_codes.scn" /dev/full

exit "$failed"
