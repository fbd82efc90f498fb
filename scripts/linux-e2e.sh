#!/usr/bin/env bash
# End-to-end check of the real program under Xvfb: the window appears with its
# title, is not blank, shows the toolbar's gradient band, and Alt+E closes it.
# Usage: scripts/linux-e2e.sh PROGRAM [SCREENSHOT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$1
shot=${2:-build/screenshots/linux-main.png}
mkdir -p "$(dirname "$shot")"

source scripts/xvfb-lib.sh
start_xvfb
trap stop_xvfb EXIT
"$program" &
app=$!
fail() { echo "linux-e2e: $*" >&2; kill "$app" 2>/dev/null || true; exit 1; }

window=$(wait_window Dorvex) || fail "no window titled Dorvex"
sleep 1
import -window "$window" "$shot"

colours() { convert "$shot" -crop "$1" +repage -unique-colors -format '%w' info:; }
size=$(identify -format '%wx%h' "$shot")
[ "$size" = "673x475" ] || fail "client size $size, expected 673x475"
[ "$(colours 673x475+0+0)" -gt 20 ] || fail "the window looks blank"
# The toolbar band: a column right of the last button runs from white down to grey.
band=$(colours 1x50+640+4)
[ "$band" -ge 4 ] || fail "no toolbar gradient band ($band colours)"

# Without a window manager the keyboard follows the pointer.
xdotool mousemove --window "$window" 100 100 key alt+a
about=$(wait_window "关于") || fail "Alt+A opened no about window"
sleep 1
import -window "$about" "${shot%.png}-about.png"
[ "$(convert "${shot%.png}-about.png" -unique-colors -format '%w' info:)" -gt 20 ] ||
  fail "the about window looks blank"
xdotool mousemove --window "$about" 50 50 key alt+F4
for _ in $(seq 50); do
  [ -z "$(find_window "关于")" ] && break
  sleep 0.1
done
[ -z "$(find_window "关于")" ] || fail "Alt+F4 did not close the about window"

xdotool mousemove --window "$window" 100 100 key alt+e
for _ in $(seq 50); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "Alt+E did not close the program"
wait "$app" || fail "the program exited with status $?"
echo "linux-e2e: passed; screenshot $shot"
