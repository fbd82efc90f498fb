#!/usr/bin/env bash
# End-to-end check of the real program under Xvfb and openbox (DORVEX_WM=none:
# no window manager): the window, not blank, with the toolbar's band; 关于 opens
# and closes the about window 20 times by mouse and 20 by keyboard; a resize;
# the window manager's close (Alt+E without one) ends it with status 0. With a
# fixture log (the fixture program), a log gone bad raises the error's box.
# Usage: scripts/linux-e2e.sh PROGRAM [SCREENSHOT.png] [FIXTURE]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$1
shot=${2:-build/screenshots/linux-main.png}
fixture=${3:-}
rounds=${E2E_ABOUT_ROUNDS:-20}
mkdir -p "$(dirname "$shot")"

source scripts/xvfb-lib.sh
start_xvfb
work=$(mktemp -d)
trap 'stop_wm; stop_xvfb; rm -rf "$work"' EXIT
start_wm
if [ -n "$fixture" ]; then
  cp "$fixture" "$work/log.events"
  "$program" "$work/log.events" &
else
  "$program" &
fi
app=$!
fail() { echo "linux-e2e: $*" >&2; kill "$app" 2>/dev/null || true; exit 1; }
alive() { kill -0 "$app" 2>/dev/null || fail "the program ended ($*)"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
colours() { convert "$1" -crop "$2" +repage -unique-colors -format '%w' info:; }

window=$(wait_window Dorvex) || fail "no window titled Dorvex"
sleep 1
import -window "$window" "$shot"
size=$(identify -format '%wx%h' "$shot")
[ "$size" = "673x475" ] || fail "client size $size, expected 673x475"
[ "$(colours "$shot" 673x475+0+0)" -gt 20 ] || fail "the window looks blank"
# The toolbar band: a column right of the last button runs from white down to grey.
band=$(colours "$shot" 1x50+640+4)
[ "$band" -ge 4 ] || fail "no toolbar gradient band ($band colours)"
# What the window manager reads: the process and machine; a dialog's owner,
# kind and fixed size (its minimum is its maximum).
xprop -id "$window" _NET_WM_PID WM_CLIENT_MACHINE | tr '\n' ' ' | grep -q "= $app .*\"$(hostname)\"" ||
  fail "the window names not its process and machine"
dialog_props() {
  local p
  p=$(xprop -id "$1" WM_TRANSIENT_FOR _NET_WM_STATE _NET_WM_WINDOW_TYPE WM_NORMAL_HINTS)
  for told in "$(printf 'window id # 0x%x' "$window")" _NET_WM_STATE_MODAL \
    _NET_WM_WINDOW_TYPE_DIALOG "minimum size: $(sed -n 's/.*maximum size: //p' <<<"$p")"; do
    grep -qF -- "$told" <<<"$p" || fail "$2 tells no $told"
  done
}

# 关于 (the button at 109,0, 80 wide) by mouse; 关闭 (288,312, 89 x 25) closes.
for i in $(seq "$rounds"); do
  click "$window" 149 30
  about=$(wait_window "关于") || fail "round $i: a click on 关于 opened no about window"
  # Named before it is shown: a user clicks once it is there, and it has the keyboard.
  wait_keyboard "$about" || fail "round $i: the about window did not take the keyboard"
  if [ "$i" = 1 ]; then
    sleep 0.5
    import -window "$about" "${shot%.png}-about.png"
    [ "$(colours "${shot%.png}-about.png" 422x347+0+0)" -gt 20 ] || fail "the about window looks blank"
    dialog_props "$about" "the about window"
  fi
  click "$about" 332 324
  wait_gone "关于" || fail "round $i: a click on 关闭 did not close the about window"
  alive "mouse round $i"
done

# Alt+A opens it; Escape leaves it open; Enter on 关闭 or Alt+F4 (the window
# manager's close) closes it, and the keyboard is the main window's again.
focus_window "$window"
for i in $(seq "$rounds"); do
  xdotool key alt+a
  about=$(wait_window "关于") || fail "round $i: Alt+A opened no about window"
  wait_keyboard "$about" || fail "round $i: the about window did not take the keyboard"
  if [ "$i" = 1 ]; then
    xdotool key Escape
    sleep 0.3
    [ -n "$(find_window "关于")" ] || fail "Escape closed the about window"
  fi
  if [ $((i % 2)) = 1 ]; then xdotool key Return; else xdotool key alt+F4; fi
  wait_gone "关于" || fail "round $i: the keyboard did not close the about window"
  alive "keyboard round $i"
done

if [ -n "$fixture" ]; then
  # A refresh over a log that cannot be read: the error's message box.
  echo "6005 not-a-time" >"$work/log.events"
  xdotool key alt+r
  box=$(wait_window "$(basename "$program")") || fail "Alt+R over a bad log raised no message box"
  dialog_props "$box" "the message box"
  cp "$fixture" "$work/log.events"
  xdotool key Return
  wait_gone "$(basename "$program")" || fail "Enter did not close the message box"
  alive "after the message box"
fi

# The window manager resizes the window; the bands follow.
xdotool windowsize --sync "$window" 800 600
sleep 0.5
import -window "$window" "$work/resized.png"
[ "$(identify -format '%wx%h' "$work/resized.png")" = "800x600" ] || fail "the window did not resize"
[ "$(colours "$work/resized.png" 800x19+0+581)" -gt 2 ] || fail "no status bar along the new bottom"
alive "after the resize"

focus_window "$window"
if [ -n "${WM_PID:-}" ]; then xdotool key alt+F4; else xdotool key alt+e; fi
ended() { ! kill -0 "$app" 2>/dev/null; }
retry 50 ended || fail "closing the main window did not end the program"
wait "$app" || fail "the program exited with status $?"
echo "linux-e2e: passed${WM_PID:+ under openbox}; screenshot $shot"
