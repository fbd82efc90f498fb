#!/usr/bin/env bash
# End-to-end check of saved logs in the real window under Xvfb: each kind of
# real log beside the checkout opens from the command line and its list,
# copied with Ctrl+A and Ctrl+C and read back with xclip, is what dorvex-table
# prints; a file dropped on the window (XDND) opens; a table of 10,000 rows
# crosses the clipboard (INCR); files that cannot be read are named in a
# message box and the table shown stays; nothing is written beside the logs.
# Usage: scripts/open-e2e.sh PROGRAM DORVEX-TABLE XDND-DROP [SCREENSHOT-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$1
table=$2
drop=$3
shots=${4:-build/screenshots}
shared=${DORVEX_SHARED_DIR:-../shared}
mkdir -p "$shots"
work=$(mktemp -d)
export LC_ALL=C.UTF-8

source scripts/xvfb-lib.sh
start_xvfb
app=""
cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then kill "$app" 2>/dev/null || true; fi
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "open-e2e: $*" >&2; exit 1; }

start() {  # start TITLE ARGS...: runs the program; its window's id in $window
  "$program" "${@:2}" 2>>"$work/stderr" &
  app=$!
  window=$(wait_window "$1") || fail "no window titled '$1' for ${*:2}"
  sleep 0.5  # named before it is mapped
}
# Without a window manager the keyboard follows the pointer.
keys() { xdotool mousemove --window "$1" 300 200 key "${@:2}"; sleep 0.3; }
copied() {  # copied WINDOW: the whole list as the clipboard holds it
  xdotool mousemove --window "$1" 300 150 click 1
  keys "$1" ctrl+a ctrl+c
  xclip -o -selection clipboard 2>/dev/null || true  # nothing copied from an empty list
}
close_box() {  # close_box WHY: the message box that says why, closed with Enter
  local box
  box=$(wait_window dorvex) || fail "$1 showed no message box"
  sleep 0.5
  keys "$box" Return
  sleep 0.5
  [ -z "$(find_window dorvex)" ] || fail "Enter did not close the message box for $1"
}
quit() {
  keys "$1" alt+e
  wait "$app" || fail "the program exited with status $?"
  app=""
}

# The logs as copies: what the program may write beside them would show.
copies=$work/logs
mkdir "$copies"
cp -r "$shared/evtx" "$shared/wtmpdb" "$copies/"
utmpdump -r -o "$copies/wtmp" <tools/dorvex-table/tests/wtmp.dump 2>/dev/null
checksums() { (cd "$copies" && find . -type f -exec sha256sum {} + | sort); }
before=$(checksums)
logs=("$copies"/evtx/*.evtx "$copies/wtmpdb/live.db" "$copies/wtmpdb/live-softreboot.db"
  "$copies/wtmpdb/after-logrotate/wtmp.db" "$copies/wtmp")
for log in "${logs[@]}"; do
  start "Dorvex - $(basename "$log")" "$log"
  diff <(copied "$window" | tr -d '\r') <("$table" --format tsv "$log") >"$work/diff" ||
    fail "the list of $log is not what dorvex-table shows: $(head -5 "$work/diff")"
  [ "$log" != "$copies/evtx/win7-workstation.evtx" ] || import -window "$window" "$shots/linux-saved.png"
  quit "$window"
done
echo "open-e2e: ${#logs[@]} logs opened, each list as dorvex-table prints it"

# A file manager's drop; then a refresh of a file that went meanwhile.
start Dorvex
shown=$(copied "$window")
cp "$copies/evtx/win11-desktop.evtx" "$work/dropped.evtx"
"$drop" "$window" "$work/dropped.evtx" || fail "the window refused the drop"
wait_window "Dorvex - dropped.evtx" >/dev/null || fail "the dropped log did not open"
dropped=$(copied "$window")
[ "$dropped" != "$shown" ] || fail "the dropped log shows the same rows as before"
rm "$work/dropped.evtx"
keys "$window" alt+r
close_box "a refresh of a file gone"
[ "$(copied "$window")" = "$dropped" ] || fail "the table changed after a failed refresh"
# A folder without journal files is not a log.
mkdir "$work/folder"
"$drop" "$window" "$work/folder" || fail "the window refused the drop of a folder"
close_box "a dropped folder"
[ -n "$(find_window "Dorvex - dropped.evtx")" ] || fail "a bad drop changed the caption"
quit "$window"
echo "open-e2e: a dropped log opens, a bad drop and a vanished file keep the table"

# A gigabyte of noise is refused at once; this computer's log is shown after.
head -c 4096 /dev/urandom >"$work/noise"
truncate -s 1G "$work/noise"
started=$(date +%s%N)
"$program" "$work/noise" 2>>"$work/stderr" &
app=$!
wait_window dorvex >/dev/null || fail "a noise file showed no message box"
ms=$((($(date +%s%N) - started) / 1000000))
close_box "a noise file"
window=$(wait_window Dorvex) || fail "no window after the message box"
quit "$window"
echo "open-e2e: a 1 GB noise file refused, message box after $ms ms (start-up included)"

# 10,000 rows cross the clipboard in pieces (INCR).
awk 'BEGIN { for (i = 10000; i > 0; i--) { t = 1500000000 + i * 7200
  printf "6006 %d\n7035 %d user%d\n6005 %d\n", t + 3600, t + 60, i % 7, t } }' >"$work/big.events"
start "Dorvex - big.events" "$work/big.events"
rows=$(copied "$window" | wc -l)
[ "$rows" -eq 10001 ] || fail "copied $rows lines of 10,000 rows and the header"
quit "$window"
echo "open-e2e: 10,000 rows copied and read back"

after=$(checksums)
[ "$before" = "$after" ] ||
  fail "files changed or appeared beside the logs: $(diff <(echo "$before") <(echo "$after"))"
if grep -q "X Error" "$work/stderr"; then fail "X errors: $(head -3 "$work/stderr")"; fi
echo "open-e2e: passed; screenshot $shots/linux-saved.png"
