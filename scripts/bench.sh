#!/usr/bin/env bash
# Prints what one main tick costs: nanoseconds per tick, and instructions
# per tick counted by callgrind, with the desktop port's share shown apart
# from the engine's. "null" is a port that answers every call with a
# constant; "sim" is the simulated desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh bench
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tick-bench >/dev/null

echo "== time (steady clock, 2,000,000 ticks each)"
build/tick-bench time

ticks=10000
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Instructions inside MainTick; with the port's functions toggled off too,
# only the engine's own.
count() {
  local case=$1 port=$2 file="$out/$1-$2"
  local toggles=(--toggle-collect='tremolux::MainTick(*')
  [ "$port" = engine ] && toggles+=(--toggle-collect='*NullPort::*' \
                                    --toggle-collect='tremolux::sim::SimDesktop::*')
  valgrind --tool=callgrind --callgrind-out-file="$file" "${toggles[@]}" \
    build/tick-bench "$case" "$ticks" >/dev/null 2>&1
  local total
  total=$(callgrind_annotate "$file" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
  echo $((total / ticks))
}

echo "== instructions per tick (callgrind, $ticks ticks each)"
printf '%-11s %10s %10s %10s\n' case engine port total
for case in idle-null idle-sim poll-sim place-null place-sim; do
  engine=$(count "$case" engine)
  total=$(count "$case" all)
  printf '%-11s %10d %10d %10d\n' "$case" "$engine" $((total - engine)) "$total"
done
