#!/usr/bin/env bash
# Source this file to get a private Wayland desktop: Weston with Xwayland,
# running as a window of a private Xvfb.
#   source "$QUORVEX_SOURCE_DIR/tests/support/weston-session.sh"
#   weston_session_start [WIDTHxHEIGHT]
# Weston's output window fills the Xvfb screen at 0,0, so screen points of
# the Xvfb display are points of the Wayland desktop: xdotool on $DISPLAY
# (the Xvfb) moves Weston's pointer and types on its keyboard, and
# weston_screenshot captures what Weston composites. Programs are started
# under Xwayland with weston_xwayland and natively with weston_native.
# Weston's headless backend would need no Xvfb, but it has no input devices
# and Xwayland does not survive synthetic input there.
#
# When Weston cannot start here (not installed, no usable renderer), the
# script exits with $weston_skip_code, which CTest reports as skipped.
source "$QUORVEX_SOURCE_DIR/tests/support/x11-session.sh"

weston_skip_code=77
# The desktop's plain colour, as "R,G,B" and as Weston's 0xAARRGGBB.
weston_background=58,125,92
weston_background_argb=0xff3a7d5c
# Set by weston_session_start: the Xwayland display (":N") that X11
# programs on the desktop use, and Weston's process id.
weston_xwayland_display=
weston_pid=
weston_session_dir=

weston_skip() {
  echo "SKIP: $*" >&2
  exit "$weston_skip_code"
}

weston_session_stop() {
  if [ -n "$weston_pid" ]; then
    # Weston ends its Xwayland and its shell client itself, and removes
    # Xwayland's lock file; it needs its X display for that.
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    weston_pid=
  fi
  x11_session_stop
  [ -z "$weston_session_dir" ] || rm -rf "$weston_session_dir"
  weston_session_dir=
}

# weston_write_config FILE: a quiet desktop: one plain colour, no panel, no
# on-screen keyboard, no animations, no screen lock.
weston_write_config() {
  cat >"$1" <<EOF
[core]
idle-time=0
[shell]
background-color=$weston_background_argb
panel-position=none
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
[input-method]
path=
EOF
}

# weston_wait_for SECONDS COMMAND...: true once COMMAND succeeds, false when
# it has not within SECONDS or Weston has ended.
weston_wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  while [ $SECONDS -lt "$deadline" ]; do
    "$@" && return 0
    kill -0 "$weston_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

weston_socket_ready() {
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]
}

weston_xwayland_listening() {
  weston_xwayland_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' \
    "$weston_session_dir/weston.log" | head -n1)
  [ -n "$weston_xwayland_display" ]
}

# The pointer's picture may lie at the top-left corner before Weston has
# seen the pointer; the top-right one is free.
weston_desktop_drawn() {
  local shot=$weston_session_dir/ready.png width
  weston_screenshot "$shot" 2>/dev/null || return 1
  width=$(identify -format '%w' "$shot")
  [ "$(x11_pixel "$shot" $((width - 2)) 1)" = "$weston_background" ]
}

weston_session_start() {
  local size=${1:-1024x768}
  command -v weston >/dev/null || weston_skip "weston is not installed"
  command -v Xwayland >/dev/null || weston_skip "Xwayland is not installed"
  trap weston_session_stop EXIT
  # -noreset, as for the X11 session: Weston starting beside the readiness
  # probe must not meet a server that is resetting.
  x11_server_start "$(mktemp)" Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset ||
    weston_skip "Xvfb did not start"
  weston_session_dir=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-weston-XXXXXX")
  # Wayland sockets live in XDG_RUNTIME_DIR, which must be private.
  export XDG_RUNTIME_DIR=$weston_session_dir/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export WAYLAND_DISPLAY=wayland-quorvex
  unset QT_QPA_PLATFORM WAYLAND_SOCKET
  weston_write_config "$weston_session_dir/weston.ini"
  weston --backend=x11-backend.so --xwayland --socket="$WAYLAND_DISPLAY" \
    --width="${size%x*}" --height="${size#*x}" --config="$weston_session_dir/weston.ini" \
    >"$weston_session_dir/weston.log" 2>&1 &
  weston_pid=$!
  local waited_for
  for waited_for in weston_socket_ready weston_xwayland_listening weston_desktop_drawn; do
    weston_wait_for 20 "$waited_for" && continue
    local log
    log=$(grep -v '^ ' "$weston_session_dir/weston.log" | tail -n 5)
    weston_skip "weston did not start ($waited_for): $log"
  done
  # The pointer rests in the corner, where its picture hides nothing.
  weston_park_pointer
}

# weston_park_pointer: moves the pointer to the desktop's bottom-right corner.
# Weston's X11 backend moves its pointer by the distance the X pointer went,
# from where it last saw it, and stops it at the desktop's edges; until it
# has seen the pointer enter, the two may lie apart. A sweep from one corner
# to the other pins both in the same corner, so from then on a point of the
# Xvfb is where Weston's pointer goes.
weston_park_pointer() {
  local width height
  read -r width height < <(xdpyinfo -display "$DISPLAY" | awk '/dimensions:/{sub("x", " ", $2); print $2}')
  xdotool mousemove $((width - 1)) $((height - 1))
  sleep 0.05
  xdotool mousemove 0 0
  sleep 0.05
  xdotool mousemove $((width - 1)) $((height - 1))
  # A screenshot taken now would catch Weston still drawing the sweep.
  sleep 0.2
}

# weston_screenshot FILE: the composited desktop as PNG.
weston_screenshot() {
  x11_screenshot "$1"
}

# weston_xwayland COMMAND...: runs COMMAND as an X11 program of the desktop,
# as a Wayland session does (both displays set).
weston_xwayland() {
  env DISPLAY="$weston_xwayland_display" "$@"
}

# weston_native COMMAND...: runs COMMAND with no X display, so that it can
# only be a Wayland client.
weston_native() {
  env -u DISPLAY "$@"
}

# weston_desktop_like SHOT OUT: OUT is white where screenshot SHOT shows
# the desktop's colour, at full strength or darkened (Weston draws a shadow
# beneath X11 windows, which shows through their transparent pixels), and
# black elsewhere: black or magenta pixels, or anything of another hue.
weston_desktop_like() {
  local r g b
  IFS=, read -r r g b <<<"$weston_background"
  convert "$1" -alpha off -colorspace sRGB \
    -fx "g > 0.15 && abs(r/g - $r/$g) < 0.08 && abs(b/g - $b/$g) < 0.08" -colorspace gray "$2"
}

# weston_changed_box BEFORE AFTER: prints "X Y WIDTH HEIGHT" of the smallest
# rectangle holding every pixel that differs between two screenshots, or
# nothing when they are equal.
weston_changed_box() {
  local box
  box=$(convert "$1" "$2" -compose difference -composite -threshold 0 -format '%@' info: 2>/dev/null)
  case $box in
    0x0* | '') return 0 ;;
  esac
  local size=${box%%+*} offset=${box#*+}
  echo "${offset%%+*} ${offset#*+} ${size%x*} ${size#*x}"
}

# weston_wait_shows SHOT [SECONDS]: waits until the desktop looks exactly as
# in screenshot SHOT again, as after a window has gone; when it does not,
# weston_last_change holds the box that still differs. Weston removes the
# window of a program that has ended only with its next repaint.
weston_wait_shows() {
  local seconds=${2:-10} now=$weston_session_dir/now.png
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt "$deadline" ]; do
    weston_screenshot "$now"
    weston_last_change=$(weston_changed_box "$1" "$now")
    [ -z "$weston_last_change" ] && return 0
    sleep 0.2
  done
  return 1
}

# weston_wait_window BEFORE SHOT [SECONDS]: waits until the desktop differs
# from screenshot BEFORE in a box that holds still (a window has appeared),
# gives the window a second more to finish drawing itself (its first frames
# may lack its outline; an animation may never hold still), leaves a
# screenshot taken then in SHOT and prints its changed box as
# weston_changed_box does.
weston_wait_window() {
  local before=$1 shot=$2 seconds=${3:-30} box="" last=""
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt "$deadline" ]; do
    sleep 0.25
    weston_screenshot "$shot"
    box=$(weston_changed_box "$before" "$shot")
    if [ -n "$box" ] && [ "$box" = "$last" ]; then
      sleep 1
      weston_screenshot "$shot"
      weston_changed_box "$before" "$shot"
      return 0
    fi
    last=$box
  done
  return 1
}
