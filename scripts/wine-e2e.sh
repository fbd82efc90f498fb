#!/usr/bin/env bash
# End-to-end check of the Windows executable under Wine and Xvfb: the main
# window appears, is not blank and shows the toolbar band with its icons; the
# size grip resizes it by its bottom-right corner; Alt+A
# opens the about window ("关于"), which is not blank and Alt+F4 closes; Alt+E
# then ends the program. Screenshots are kept for CI.
# Usage: scripts/wine-e2e.sh [PROGRAM.exe] [SCREENSHOT-DIR]
#   PROGRAM.exe defaults to build/win32/app/Dorvex.exe, else the platform's
#   smoke program; SCREENSHOT-DIR to build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${DORVEX_WIN32_BUILD:-build/win32}
program=${1:-}
if [ -z "$program" ]; then
  program=$build/app/Dorvex.exe
  [ -f "$program" ] || program=$build/platform/win32/tests/dorvex_win32_smoke.exe
fi
shots=${2:-build/screenshots}
[ -f "$program" ] || { echo "wine-e2e: no program $program" >&2; exit 1; }
mkdir -p "$shots"
main_shot=$shots/wine-main.png
about_shot=$shots/wine-about.png

# A prefix of its own: the Wine processes of a run belong to one X display and
# are ended with it, without touching the prefix the unit tests use.
export WINEPREFIX=${WINE_E2E_PREFIX:-$PWD/build/wineprefix-e2e}
source scripts/wine-env.sh
source scripts/xvfb-lib.sh

# Chinese text: the windows ask for Arial and the other Western faces with the
# ANSI character set and rely on Windows' font linking for the ideographs. Wine
# knows the system's fonts through fontconfig; it is told to link them to the
# installed CJK face.
cjk=$(fc-list : file family | grep -i 'wqy\|wenquanyi' | grep -v -i mono | head -1)
[ -n "$cjk" ] || { echo "wine-e2e: no CJK font (fonts-wqy-microhei) installed" >&2; exit 1; }
cjk_file=${cjk%%:*}
cjk_face=${cjk#*: }
cjk_face=${cjk_face%%,*}
link_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Arial" "Liberation Sans" "MS Sans Serif" "Microsoft Sans Serif" "Verdana" \
  "DejaVu Sans" "Tahoma" "Segoe UI"; do
  wine reg add "$link_key" /v "$face" /t REG_MULTI_SZ /d "$(basename "$cjk_file"),$cjk_face" /f \
    >/dev/null 2>&1
done

wineserver -k 2>/dev/null || true  # a server left over from a run on another display
start_xvfb
app=""
cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then kill "$app" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  stop_xvfb
}
trap cleanup EXIT
fail() { echo "wine-e2e: $*" >&2; exit 1; }

# As on the Chinese systems the program is made for (Wine takes the locale from here).
LC_ALL=zh_CN.UTF-8 wine "$program" >/dev/null 2>&1 &
app=$!

# Wine's first start in a fresh prefix takes a while.
wait_long() {
  local id
  for _ in $(seq 8); do
    id=$(wait_window "$1") && { echo "$id"; return 0; }
    kill -0 "$app" 2>/dev/null || return 1
  done
  return 1
}

colours() { convert "$1" -crop "$2" +repage -unique-colors -format '%w' info:; }
# Pixels of a crop matching an fx condition (r, g, b in 0..1).
count() { convert "$1" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:int(mean*w*h+0.5)]' info:; }
# Without a window manager Wine follows the X input focus.
keys() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.3
  xdotool key "$2"
}

# Alt+E ends the program; a key can be lost while Wine is still taking the focus.
quit() {
  for _ in 1 2 3; do
    keys "$1" alt+e
    for _ in $(seq 100); do
      kill -0 "$app" 2>/dev/null || break 2
      sleep 0.1
    done
  done
  kill -0 "$app" 2>/dev/null && fail "Alt+E did not close the program"
  wait "$app" || fail "the program exited with status $?"
  app=""
}

main=$(wait_long Dorvex) || fail "no window titled Dorvex"
sleep 2
import -window "$main" "$main_shot"
read -r w h < <(identify -format '%w %h\n' "$main_shot")
[ "$w" -ge 600 ] && [ "$h" -ge 400 ] || fail "main window ${w}x${h} is too small"
[ "$(colours "$main_shot" "${w}x${h}+0+0")" -gt 20 ] || fail "the main window looks blank"
# The toolbar band across the top (60 pixels at 96 dpi): a light gradient that
# runs from top to bottom in the empty part right of the buttons, and the
# green refresh and blue about icons on it.
band=$((h * 60 / 475))
[ "$(colours "$main_shot" "1x$((band - 8))+$((w - 20))+4")" -ge 3 ] ||
  fail "no toolbar gradient band"
green=$(count "$main_shot" "$((w * 80 / 673))x${band}+0+0" 'g > r + 0.15 && g > b + 0.15')
blue=$(count "$main_shot" "$((w * 80 / 673))x${band}+$((w * 109 / 673))+0" 'b > r + 0.2 && b > g + 0.1')
[ "$green" -gt 40 ] || fail "no refresh icon in the toolbar band ($green green pixels)"
[ "$blue" -gt 40 ] || fail "no about icon in the toolbar band ($blue blue pixels)"
light=$(count "$main_shot" "${w}x${band}+0+0" '(r + g + b) / 3 > 0.75')
[ "$light" -gt $((w * band / 2)) ] || fail "the toolbar band is not light ($light light pixels)"

# The size grip in the status bar's bottom-right corner resizes the window.
eval "$(xdotool getwindowgeometry --shell "$main")"
gx=$((X + WIDTH - 4))
gy=$((Y + HEIGHT - 4))
xdotool mousemove "$gx" "$gy" sleep 0.3 mousedown 1 sleep 0.3 mousemove $((gx + 40)) $((gy + 20)) \
  sleep 0.3 mousemove $((gx + 80)) $((gy + 40)) sleep 0.3 mouseup 1 sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq $((w + 80)) ] && [ "$HEIGHT" -eq $((h + 40)) ] ||
  fail "the size grip resized the window to ${WIDTH}x${HEIGHT}, expected $((w + 80))x$((h + 40))"

# A key can be lost while Wine is still taking the focus: up to three tries.
about=""
for _ in 1 2 3; do
  keys "$main" alt+a
  about=$(wait_window '关于') && break
done
[ -n "$about" ] || fail "Alt+A opened no about window"
sleep 2
import -window "$about" "$about_shot"
read -r aw ah < <(identify -format '%w %h\n' "$about_shot")
[ "$(colours "$about_shot" "${aw}x${ah}+0+0")" -gt 10 ] || fail "the about window looks blank"
white=$(count "$about_shot" "${aw}x${ah}+0+0" 'r > 0.98 && g > 0.98 && b > 0.98')
[ "$white" -gt $((aw * ah / 2)) ] || fail "the about window is not white ($white white pixels)"
ink=$(count "$about_shot" "${aw}x${ah}+0+0" '(r + g + b) / 3 < 0.5')
[ "$ink" -gt 100 ] || fail "no text in the about window ($ink dark pixels)"

for _ in 1 2 3; do
  keys "$about" alt+F4
  for _ in $(seq 50); do
    xdotool search --name '^关于$' >/dev/null 2>&1 || break 2
    sleep 0.1
  done
done
xdotool search --name '^关于$' >/dev/null 2>&1 && fail "Alt+F4 did not close the about window"

quit "$main"

# A saved log opens as on Linux: the same state markers down the list as the
# Linux window shows for it (scripts/open-e2e.sh), and the list as
# dorvex-table.exe prints it, copied through Wine's clipboard to X's. Its
# name is Chinese, as many users' folders are: the command line and a drop
# (DORVEX_XDND_DROP names the XDND client) carry it whole. UTF-8 here, as not
# every system has the Chinese locale.
shared=${DORVEX_SHARED_DIR:-../shared}/evtx
table=$(dirname "$program")/dorvex-table.exe
[ -f "$table" ] || table=$build/tools/dorvex-table.exe
if [ -f "$shared/win7-workstation.evtx" ] && [ -f "$table" ]; then
  logs=$(mktemp -d)
  log="$logs/日志 win7.evtx"
  cp "$shared/win7-workstation.evtx" "$log"
  dos() { LC_ALL=C.UTF-8 winepath -w "$1"; }
  LC_ALL=C.UTF-8 wine "$program" "$(dos "$log")" >/dev/null 2>&1 &
  app=$!
  saved=$(wait_long "Dorvex - 日志 win7.evtx") || fail "Dorvex.exe FILE showed no saved log"
  sleep 2
  import -window "$saved" "$shots/wine-saved.png"
  expected=$(LC_ALL=C.UTF-8 wine "$table" "$(dos "$log")" | tr -d '\r' |
    awk -F'\t' 'NF > 5 { printf "%s", $6 == 0 ? "G" : "O" }')
  markers=$(python3 scripts/list-markers.py "$shots/wine-saved.png")
  [ "$markers" = "$expected" ] || fail "the list shows markers $markers, dorvex-table $expected"
  if [ -f "$shots/linux-saved.png" ]; then
    linux=$(python3 scripts/list-markers.py "$shots/linux-saved.png")
    [ "$markers" = "$linux" ] || fail "markers $markers under Wine, $linux on Linux"
  fi
  eval "$(xdotool getwindowgeometry --shell "$saved")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  copied=""
  for _ in 1 2 3; do
    keys "$saved" ctrl+a
    keys "$saved" ctrl+c
    sleep 1
    copied=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r') && [ -n "$copied" ] && break
  done
  [ "$copied" = "$(LC_ALL=C.UTF-8 wine "$table" --format tsv "$(dos "$log")" | tr -d '\r')" ] ||
    fail "the copied list is not what dorvex-table.exe prints: $(echo "$copied" | head -3)"
  if [ -n "${DORVEX_XDND_DROP:-}" ]; then
    cp "$shared/win11-desktop.evtx" "$logs/副本.evtx"
    "$DORVEX_XDND_DROP" "$saved" "$logs/副本.evtx" || fail "Dorvex.exe refused a drop"
    wait_window "Dorvex - 副本.evtx" >/dev/null || fail "a dropped log did not open"
  fi
  quit "$saved"
  rm -rf "$logs"
  echo "wine-e2e: a saved log shows markers $markers, as on Linux; its copy is dorvex-table.exe's"
fi
echo "wine-e2e: passed ($(basename "$program")); screenshots $main_shot $about_shot"
