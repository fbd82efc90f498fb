#!/usr/bin/env bash
# Installs what is missing, builds Dorvex and runs it. Without a display the
# program runs under Xvfb: a screenshot of its window is saved, then it ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVEX_BENCH=OFF
cmake --build build/release -j "$(nproc)" --target dorvex

# A fresh system (a container) keeps no history for the list to show.
history=""
for f in /var/log/wtmp.db /var/log/wtmp.db.1 /var/lib/wtmpdb/wtmp.db /var/lib/wtmpdb/wtmp.db.1 \
  /var/log/wtmp /var/log/wtmp.1 /var/log/journal; do
  [ -e "$f" ] && history=1
done
if [ -z "$history" ]; then
  echo "run: this computer keeps no boot history (no /var/log/wtmp.db, /var/lib/wtmpdb/wtmp.db," \
    "/var/log/wtmp or /var/log/journal); to see Dorvex with a sample log:" \
    "build/release/app/dorvex docs/sessions.events"
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec build/release/app/dorvex
fi

source scripts/xvfb-lib.sh
start_xvfb
trap stop_xvfb EXIT
build/release/app/dorvex &
app=$!
window=$(wait_window Dorvex) || { echo "run: the Dorvex window did not appear" >&2; exit 1; }
sleep 1
mkdir -p build/screenshots
import -window "$window" build/screenshots/dorvex.png
echo "run: no display here; Dorvex ran under Xvfb. Screenshot: build/screenshots/dorvex.png"
# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$window" 100 100 key alt+e || kill "$app"
wait "$app"
