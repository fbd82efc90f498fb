#!/usr/bin/env bash
# The Orca test: Dorvex over a fixture log under a window manager (openbox), on
# its own X display and session bus, and Debian's Orca run headless (no speech
# server: its debug log holds what it says), its settings pinned in
# orca_headless.py. orca_walk.py presses the keys and reads the log.
# Usage: run_orca_test.sh PROGRAM FIXTURE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/xvfb-lib.sh"

if [ -z "${DORVEX_ORCA_SESSION:-}" ]; then
  start_xvfb
  work=$(mktemp -d)
  trap 'stop_wm; stop_xvfb; rm -rf "$work"' EXIT
  start_wm
  # Orca's own files (settings, caches) stay in a home of the test's.
  export DISPLAY WM_PID DORVEX_ORCA_SESSION="$work" HOME="$work" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
  unset DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE
  status=0
  dbus-run-session -- bash "$0" "$@" || status=$?
  [ "$status" = 0 ] || { echo "Orca's log:" >&2; grep "SPEECH OUTPUT" "$work/orca.log" >&2 || true; }
  exit "$status"
fi

work=$DORVEX_ORCA_SESSION
"$@" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT
if ! window=$(wait_window Dorvex); then
  echo "FAIL: the program's window did not appear" >&2
  exit 1
fi
focus_window "$window"
mkdir -p "$work/prefs"
/usr/bin/python3 "$here/orca_walk.py" "$window" "$here/orca_headless.py" "$work/prefs" "$work/orca.log"
