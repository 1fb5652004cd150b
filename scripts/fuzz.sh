#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers), then:
#   fuzz.sh corpus          runs every seed of both targets once
#   fuzz.sh short|long      fuzzes each target for 20 s or 5 minutes from its
#                           seeds, and prints libFuzzer's figures
# The settings target reads registry values and program paths up to the
# longest path Windows hands out, so its inputs reach that length. The
# scenario target's seeds are the project's scenario files.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-corpus}
bash scripts/install-deps.sh fuzz
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DTREMOLUX_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target settings-fuzz scenario-fuzz >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/settings" "$work/scenario"
cp fuzz/corpus/settings/* "$work/settings/"
for seed in tests/scenarios/*.scn tests/malformed/*.scn tests/reproducers/*.scn scenarios/*.scn; do
  cp "$seed" "$work/scenario/$(basename "$(dirname "$seed")")-$(basename "$seed")"
done

# target, its corpus, its options
run() {
  local target=$1 corpus=$2
  shift 2
  case "$mode" in
    corpus)
      local log
      log=$(build/fuzz/"$target" "$@" "$work/$corpus"/* 2>&1) || { echo "$log"; exit 1; }
      echo "$target: $(grep -c '^Executed' <<<"$log") seed inputs ran clean"
      ;;
    short|long)
      local seconds=20
      [ "$mode" = long ] && seconds=300
      echo "== $target, $seconds s"
      build/fuzz/"$target" "$@" -max_total_time="$seconds" -print_final_stats=1 \
        "$work/$corpus" 2>&1 | grep -E '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)|ERROR|SUMMARY|Test unit written' || true
      # libFuzzer leaves crash-* files behind on a finding
      if compgen -G "crash-*" >/dev/null || compgen -G "leak-*" >/dev/null ||
         compgen -G "timeout-*" >/dev/null; then
        echo "$target: a finding, kept in $(ls crash-* leak-* timeout-* 2>/dev/null | tr '\n' ' ')"
        exit 1
      fi
      ;;
    *) echo "usage: fuzz.sh corpus|short|long" >&2; exit 2 ;;
  esac
}

run settings-fuzz settings -max_len=100000
run scenario-fuzz scenario -max_len=16384 -dict=fuzz/scenario.dict -timeout=30
