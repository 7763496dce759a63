#!/usr/bin/env bash
# Source this file to get a private X display with a window manager:
#   source "$QUORVEX_SOURCE_DIR/tests/support/x11-session.sh"
#   x11_session_start [WIDTHxHEIGHT]   # exports DISPLAY, starts Xvfb + openbox
#   ... drive programs with xdotool, take shots with x11_screenshot FILE ...
# The session is torn down when the sourcing shell exits (a script that sets
# its own EXIT trap after starting the session must call x11_session_stop).
# Every test gets its own display, so tests may run in parallel.

x11_session_pids=()

x11_session_stop() {
  local pid
  for pid in "${x11_session_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${x11_session_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  x11_session_pids=()
}

# x11_server_start FDFILE COMMAND...: starts an X server that writes its
# display number to fd 3 (-displayfd 3), waits for it, and exports DISPLAY.
x11_server_start() {
  local fdfile=$1 i
  shift
  "$@" 3>"$fdfile" >/dev/null 2>&1 &
  x11_session_pids+=($!)
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  if [ ! -s "$fdfile" ]; then
    echo "x11-session: $1 did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

# x11_window_manager_start: openbox on $DISPLAY, ready once it has claimed
# the root window. A session without its window manager fails here: a test
# that went on would fail later on whatever needed it (a close by wmctrl,
# say) with no hint of why.
x11_window_manager_start() {
  local i pid
  openbox --sm-disable >/dev/null 2>&1 &
  pid=$!
  x11_session_pids+=($pid)
  for i in $(seq 1 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "x11-session: openbox ended before it took the display" >&2
      return 1
    fi
    sleep 0.05
  done
  echo "x11-session: openbox did not take the display within 30 s" >&2
  return 1
}

x11_session_start() {
  local size=${1:-1024x768}
  # -displayfd lets the server pick a free display number and tell us which.
  # -noreset: a server resets when its last client leaves, and refuses the
  # clients that come meanwhile; the first readiness probe would be that
  # client, and openbox, starting beside it, the one refused.
  x11_server_start "$(mktemp)" Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset || return 1
  x11_window_manager_start || { x11_session_stop; return 1; }
  export QT_QPA_PLATFORM=xcb
  trap x11_session_stop EXIT
}

# x11_session_start_resizable [WIDTHxHEIGHT]: like x11_session_start, but the
# display is a nested X server whose screen size `xrandr -s WxH` changes at
# run time, as a monitor change does (Xvfb's cannot change). The outer
# display only hosts it.
x11_session_start_resizable() {
  local size=${1:-1024x768}
  x11_session_start 1600x1200 || return 1
  x11_server_start "$(mktemp)" Xephyr -displayfd 3 -screen "$size" -resizeable -nolisten tcp -noreset || return 1
  x11_window_manager_start || return 1
}

# x11_screenshot FILE: the whole screen as PNG.
x11_screenshot() {
  import -display "$DISPLAY" -window root "$1"
}

# x11_pixel FILE X Y: prints the pixel as "R,G,B" (0-255 each).
x11_pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]\n' info:
}

# x11_wait_window NAME [SECONDS]: waits until a visible window with that name
# exists and prints its id.
x11_wait_window() {
  local name=$1 seconds=${2:-15} id=""
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
