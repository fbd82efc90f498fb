#!/usr/bin/env bash
# Installs what is missing and cross-builds the standalone 32-bit Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DDORVEX_BENCH=OFF
cmake --build build/win32 -j "$(nproc)" --target Dorvex
echo "build-windows: $(pwd)/build/win32/app/Dorvex.exe (statically linked; run it under Wine with: source scripts/wine-env.sh && wine build/win32/app/Dorvex.exe)"
