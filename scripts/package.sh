#!/usr/bin/env bash
# Builds the release program and the cross-built Dorvex.exe, then the three
# packages under build/packages/: the Debian package, the Windows installer
# and the Windows zip. Prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
JOBS=$(nproc)

echo "== release build, Debian package"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=OFF
cmake --build build/release -j "$JOBS" --target dorvex dorvex-table dorvex-icons dorvex-docs
rm -rf build/release/packages
(cd build/release && cpack -G DEB)

echo "== windows cross build, installer and zip"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DDORVEX_BENCH=OFF
rm -rf build/win32/packages
cmake --build build/win32 -j "$JOBS" --target dorvex-setup dorvex-zip

rm -rf build/packages
mkdir -p build/packages
cp build/release/packages/*.deb build/win32/packages/*.exe build/win32/packages/*.zip build/packages/
for f in build/packages/*; do echo "package: $(realpath "$f")"; done
