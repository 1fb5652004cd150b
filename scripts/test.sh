#!/usr/bin/env bash
# Builds everything and runs every test: the native suite (unit tests,
# scenarios, malformed files, reproducers), the fuzz targets' seeds and a
# short fuzzing run, the Windows build, the Wine tests, and then the native
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
#   test.sh          the whole suite
#   test.sh --long   the suite, then five minutes of fuzzing each target
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fuzz windows32
cmake -S . -B build -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
# which Windows build the Wine tests ran, where it was not the 32-bit one
(source tests/wine/lib.sh && [ -z "$ROAD_NOTE" ] || echo "Wine tests: $ROAD_NOTE")
bash scripts/sanitize.sh
if [ "${1:-}" = --long ]; then
  bash scripts/fuzz.sh long
fi
