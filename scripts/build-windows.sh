#!/usr/bin/env bash
# Cross-compiles the Windows build with MinGW-w64: the 32-bit tremolux.exe
# into build/win32, or with "64" the same sources for 64-bit Windows into
# build/win64 (for Wine on a machine whose kernel cannot run 32-bit code).
set -euo pipefail
cd "$(dirname "$0")/.."
bits=${1:-32}
bash scripts/install-deps.sh "windows$bits"
cmake -S . -B "build/win$bits" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw$bits.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "build/win$bits" -j"$(nproc)"
