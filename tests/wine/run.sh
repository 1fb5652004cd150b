#!/usr/bin/env bash
# Builds the Windows program for the Wine that this machine can run, then
# runs the Wine tests.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/install-deps.sh wine
source tests/wine/lib.sh
bash scripts/build-windows.sh "$BITS" >/dev/null
exec bash tests/wine/wine-tests.sh
