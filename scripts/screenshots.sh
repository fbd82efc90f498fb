#!/usr/bin/env bash
# Remakes the README's pictures under docs/ from the fixture docs/sessions.events:
# both pages of the main window and the about window, rendered without a screen;
# and the window showing a real saved log from beside the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=OFF
cmake --build build/release -j "$(nproc)" --target dorvex-snapshot dorvex-about-snapshot

# The fixture's last session, woken from a Fast Startup shutdown, is still
# running at this time of its last day; the uptime label counts from that wake.
shot=(build/release/tools/dorvex-snapshot --events docs/sessions.events
  --now "2026-12-08 11:20:00" --uptime 1900800)
"${shot[@]}" --page 0 --out docs/boot-list.png
"${shot[@]}" --page 1 --out docs/boot-chart.png
build/release/tools/dorvex-about-snapshot --out docs/about.png
build/release/tools/dorvex-snapshot ../shared/evtx/win7-workstation.evtx \
  --now "2012-04-07 09:30:00" --out docs/saved-log.png
echo "screenshots: docs/boot-list.png docs/boot-chart.png docs/about.png docs/saved-log.png"
