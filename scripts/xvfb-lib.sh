# Sourced: a private X display for running the program where there is no screen.
# start_xvfb sets DISPLAY and XVFB_PID; stop_xvfb ends it.
start_xvfb() {
  # Xvfb picks a free display itself and writes its number: no race with
  # another build starting a display at the same moment. No reset: after its
  # last client leaves a resetting server refuses a new one now and then (about
  # 1 start in 100 here), which failed a client started right after the check.
  local fifo n
  fifo=$(mktemp -u /tmp/xvfb-fd.XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  n=$(timeout 15 head -n1 "$fifo" || true)
  rm -f "$fifo"
  if [ -z "$n" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# find_window TITLE: prints the id of a window with exactly that name, if any.
# (xdotool's own name match does not take UTF-8 titles; compare the names here.)
find_window() {
  local w
  for w in $(xdotool search --name . 2>/dev/null); do
    if [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ]; then echo "$w"; return 0; fi
  done
}

# wait_window TITLE: waits up to 15 s for such a window and prints its id.
wait_window() {
  local id
  for _ in $(seq 150); do
    id=$(find_window "$1")
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# retry TIMES COMMAND...: runs it every 0.1 s until it succeeds, at most TIMES times.
retry() {
  local n=$1
  shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# start_wm: a window manager, as on a desktop (Debian's openbox with its own
# settings), managing windows once it names itself on the root window;
# DORVEX_WM=none leaves the display bare. stop_wm ends it.
start_wm() {
  WM_PID=""
  [ "${DORVEX_WM:-openbox}" = none ] && return 0
  openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 &
  WM_PID=$!
  retry 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    { echo "openbox did not start" >&2; return 1; }
}

stop_wm() {
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
  WM_PID=""
}

# focus_window WINDOW: gives it the keyboard (through the window manager, which
# may not have taken a new window in yet); wait_gone TITLE: until no window has it.
# has_keyboard WINDOW: whether it has the keyboard; wait_keyboard WINDOW: until it has.
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
wait_keyboard() { retry 50 has_keyboard "$1"; }
take_keyboard() {
  xdotool "$([ -n "${WM_PID:-}" ] && echo windowactivate || echo windowfocus)" "$1" 2>/dev/null
  has_keyboard "$1"
}
focus_window() { retry 50 take_keyboard "$1"; }
no_window() { [ -z "$(find_window "$1")" ]; }
wait_gone() { retry 50 no_window "$1"; }
