#!/usr/bin/env bash
# Installs what is missing, builds Dorvex and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=OFF
cmake --build build/release -j "$(nproc)"

if [ -x build/release/app/dorvex ]; then
  exec build/release/app/dorvex
else
  # Until the window exists: the boot table of this machine's own log.
  exec build/release/tools/dorvex-table "$@"
fi
