#!/usr/bin/env bash
# Runs a Windows test program under Wine on a private X display, in a prefix of
# its own whose Western fonts are linked to the installed CJK face, as on a
# Chinese system. Usage: run_with_display.sh PROGRAM.exe [ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
export WINEPREFIX=${WINE_DISPLAY_PREFIX:-$root/build/wineprefix-display}
mkdir -p "$WINEPREFIX"
# One run at a time: a prefix's Wine processes share one X display.
exec 9>"$WINEPREFIX.lock"
flock 9
cd "$root"
source scripts/wine-env.sh
source scripts/xvfb-lib.sh
cjk=$(fc-list : file family | grep -i 'wqy\|wenquanyi' | grep -v -i mono | head -1)
if [ -n "$cjk" ]; then
  face=${cjk#*: }
  for f in "Arial" "Liberation Sans" "MS Sans Serif" "Verdana" "Tahoma"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$f" /t REG_MULTI_SZ /d "$(basename "${cjk%%:*}"),${face%%,*}" /f >/dev/null 2>&1
  done
fi
# 120 dots per inch, so that the layouts' scaling is exercised, not only 96.
export DORVEX_TEST_DPI=${DORVEX_TEST_DPI:-120}
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DORVEX_TEST_DPI" /f \
  >/dev/null 2>&1
wineserver -k 2>/dev/null || true
start_xvfb
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
wine "$@"
