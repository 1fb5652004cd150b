#!/usr/bin/env bash
# Builds Tremolux and runs it: for now on the simulated desktop, replaying
# the demonstration scenario and printing its trace.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tremolux-replay
build/tremolux-replay scenarios/demo.scn
