#!/usr/bin/env bash
# Helpers that lay out a throw-away program folder from the build tree and
# run the launcher in it on a private X display. A test script starts with
#   source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
#   e2e_begin app            # $app: the program folder; a display is running
source "$QUORVEX_SOURCE_DIR/tests/support/x11-session.sh"

# e2e_begin VAR [WIDTHxHEIGHT]: a fresh program folder in VAR and a display
# with a window manager; both go away when the script ends.
e2e_begin() {
  e2e_make_app "$1"
  x11_session_start "${2:-1024x768}"
  trap 'e2e_cleanup; x11_session_stop' EXIT
}

# e2e_make_app VAR: makes a fresh program folder with the built binaries and
# the bundled skins (no shortcuts folder: a first run) and stores its path in
# VAR. (Not meant for $(...): the folder must be known to e2e_cleanup.)
e2e_make_app() {
  local e2e_folder
  e2e_folder=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-e2e-XXXXXX")
  e2e_cleanup_dirs+=("$e2e_folder")
  QUORVEX_BUILD_DIR=$QUORVEX_BINARY_DIR bash "$QUORVEX_SOURCE_DIR/scripts/prepare-app.sh" "$e2e_folder" >/dev/null
  rm -rf "$e2e_folder/shortcuts"
  printf -v "$1" '%s' "$e2e_folder"
}

e2e_cleanup_dirs=()
e2e_cleanup() {
  local dir
  for dir in "${e2e_cleanup_dirs[@]}"; do
    rm -rf "$dir"
  done
}

# e2e_fail MESSAGE: prints and exits non-zero.
e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# e2e_wait_file FILE MESSAGE: waits up to 15 s for FILE to appear (a test
# program leaves one behind when it ran); fails with MESSAGE if it does not.
e2e_wait_file() {
  local deadline=$((SECONDS + 15))
  until [ -f "$1" ]; do
    [ $SECONDS -lt $deadline ] || e2e_fail "$2"
    sleep 0.2
  done
}

# e2e_geometry WINDOW_ID: prints "X Y WIDTH HEIGHT" of the window on screen.
e2e_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                           /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# e2e_start_launcher APP: starts the launcher of program folder APP (fast
# pauses, its own registry) and waits for its window. Sets `launcher` (the
# process id) and `window` (the window id). A command in the array
# `e2e_launcher_prefix` (say, one that switches user) runs it.
e2e_launcher_prefix=()
e2e_start_launcher() {
  e2e_run_launcher "$1"
  window=$(x11_wait_window Quorvex 30) || e2e_fail "no launcher window; stderr: $(cat "$1/stderr.log")"
}

# e2e_run_launcher APP: starts the launcher as e2e_start_launcher does, but
# does not wait for a window. Sets `launcher`.
e2e_run_launcher() {
  QUORVEX_PAUSE_SCALE=${QUORVEX_PAUSE_SCALE:-0.1} QUORVEX_CLASSES_ROOT=$1/classes-root.ini \
    "${e2e_launcher_prefix[@]}" "$1/quorvex" >"$1/stdout.log" 2>"$1/stderr.log" &
  launcher=$!
  e2e_launcher_folder=$1
}

# e2e_stop_launcher: closes the launcher's window and waits for it to end.
e2e_stop_launcher() {
  e2e_stop_launcher_with wmctrl -c Quorvex
}

# e2e_stop_launcher_with COMMAND...: asks the launcher to close with COMMAND
# and waits for it to end. A launcher that does not end within 30 s fails
# the test with its stderr instead of hanging it until CTest's time-out,
# which would say nothing.
e2e_stop_launcher_with() {
  local i
  "$@" 2>/dev/null || true
  for i in $(seq 1 300); do
    kill -0 "$launcher" 2>/dev/null || break
    # On a busy machine the first request can reach a window that the
    # window manager has not finished taking on; ask once more.
    [ "$i" -eq 100 ] && { "$@" 2>/dev/null || true; }
    sleep 0.1
  done
  if kill -0 "$launcher" 2>/dev/null; then
    kill -9 "$launcher" 2>/dev/null || true
    wait "$launcher" 2>/dev/null || true
    e2e_fail "the launcher did not close within 30 s; stderr: $(cat "${e2e_launcher_folder:-.}/stderr.log" 2>/dev/null)"
  fi
  wait "$launcher" 2>/dev/null || true
}

# e2e_drag_to X Y: moves the held pointer to X,Y in small steps, as a hand
# does, and lets the window follow.
e2e_drag_to() {
  local from_x from_y i steps=12 X Y
  eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=')"
  from_x=$X; from_y=$Y
  for i in $(seq 1 $steps); do
    xdotool mousemove $((from_x + ($1 - from_x) * i / steps)) $((from_y + ($2 - from_y) * i / steps))
    sleep 0.04
  done
  sleep 0.3
}
