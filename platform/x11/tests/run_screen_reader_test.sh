#!/usr/bin/env bash
# The screen reader tests: a private X display with a window manager (openbox;
# DORVEX_WM=none: none), a session bus of its own with at-spi2-core's
# accessibility bus and registry (started on demand, as on a desktop), the
# program (over a fixture log, or the machine's own), and a reader: the pyatspi
# client, or with DORVEX_READER=orca Debian's Orca itself, headless, walked by
# orca_walk.py. Usage: run_screen_reader_test.sh PROGRAM [FIXTURE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/xvfb-lib.sh"

if [ -z "${DORVEX_READER_SESSION:-}" ]; then
  start_xvfb
  work=$(mktemp -d)
  trap 'stop_wm; stop_xvfb; rm -rf "$work"' EXIT
  start_wm
  # Exported before the bus starts, or the registry cannot pass keys on. A
  # reader's own files (Orca's settings) stay in a home of the test's.
  export DISPLAY WM_PID DORVEX_READER_SESSION="$work" HOME="$work" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
  unset DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE
  status=0
  dbus-run-session -- bash "$0" "$@" || status=$?
  exit "$status"
fi

program=$1
"$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
if ! window=$(wait_window Dorvex); then
  echo "FAIL: the program's window did not appear" >&2
  exit 1
fi
if [ "${DORVEX_READER:-}" = orca ]; then
  focus_window "$window"
  /usr/bin/python3 "$here/orca_walk.py" "$here/orca_headless.py" "$DORVEX_READER_SESSION"
  exit
fi
# A fixture shows rows; the machine's own log may have none.
rows=any
[ $# -ge 2 ] && rows=some
/usr/bin/python3 "$here/screen_reader_test.py" "$(basename "$program")" "$window" "$rows"
