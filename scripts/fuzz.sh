#!/usr/bin/env bash
# Builds the settings fuzz target with clang and libFuzzer, then either runs
# its corpus once (corpus) or fuzzes for a minute from it (long).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-corpus}
bash scripts/install-deps.sh fuzz
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DTREMOLUX_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target settings-fuzz >/dev/null
case "$mode" in
  corpus)
    log=$(build/fuzz/settings-fuzz fuzz/corpus/settings/* 2>&1) || { echo "$log"; exit 1; }
    echo "settings-fuzz: $(grep -c '^Executed' <<<"$log") corpus inputs ran clean"
    ;;
  long)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp fuzz/corpus/settings/* "$work"/
    build/fuzz/settings-fuzz -max_total_time=60 -print_final_stats=1 "$work" 2>&1 | tail -12
    ;;
  *) echo "usage: fuzz.sh corpus|long" >&2; exit 2 ;;
esac
