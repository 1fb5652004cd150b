#!/usr/bin/env bash
# Builds everything and runs every test.
#   test.sh          the whole suite
#   test.sh --long   the suite, then a minute of fuzzing the settings reads
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fuzz windows32
cmake -S . -B build -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
if [ "${1:-}" = "--long" ]; then
  bash scripts/fuzz.sh long
fi
