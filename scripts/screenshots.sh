#!/usr/bin/env bash
# Remakes the README's pictures under docs/ from the fixture docs/boots.events:
# both pages of the main window and the about window, rendered without a screen.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=OFF
cmake --build build/release -j "$(nproc)" --target dorvex-snapshot dorvex-about-snapshot

# The fixture's last boot is still running at this time of its last day.
shot=(build/release/tools/dorvex-snapshot --events docs/boots.events
  --now "2026-12-08 11:20:00" --uptime 9240)
"${shot[@]}" --page 0 --out docs/boot-list.png
"${shot[@]}" --page 1 --out docs/boot-chart.png
build/release/tools/dorvex-about-snapshot --out docs/about.png
echo "screenshots: docs/boot-list.png docs/boot-chart.png docs/about.png"
