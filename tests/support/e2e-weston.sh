#!/usr/bin/env bash
# The launcher on a Wayland desktop (see weston-session.sh). A test script
# starts with
#   source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
#   e2e_begin_weston app      # $app: the program folder; Weston is running
#   e2e_weston_launcher xwayland "$app"   # or: native
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/weston-session.sh"

# e2e_begin_weston VAR [WIDTHxHEIGHT]: a fresh program folder in VAR, with a
# library so that no first-run helper covers the desktop, and a Wayland
# desktop; both go away when the script ends.
e2e_begin_weston() {
  e2e_make_app "$1"
  mkdir -p "${!1}/shortcuts/Accessories"
  weston_session_start "${2:-1024x768}"
  trap 'e2e_cleanup; weston_session_stop' EXIT
}

# e2e_weston_launcher xwayland|native APP: starts the launcher of program
# folder APP as an X11 program through Xwayland or as a Wayland client, and
# waits until its window is on the desktop. Sets `launcher` (the process
# id), `window_box` ("X Y WIDTH HEIGHT" of the window on the desktop),
# `window_shot` (a screenshot with the window) and, under Xwayland, `window`
# (its X11 window id).
e2e_weston_launcher() {
  local mode=$1 folder=$2 before=$2/desktop-before.png
  local -a prefix
  case $mode in
    xwayland) prefix=(env "DISPLAY=$weston_xwayland_display") ;;
    native) prefix=(env -u DISPLAY) ;;
    *) e2e_fail "unknown mode $mode" ;;
  esac
  prefix+=("${e2e_launcher_prefix[@]}")
  local -a e2e_launcher_prefix=("${prefix[@]}")
  weston_park_pointer
  weston_screenshot "$before"
  window=
  window_shot=$folder/desktop-with-launcher.png
  e2e_run_launcher "$folder"
  window_box=$(weston_wait_window "$before" "$window_shot" 30) ||
    e2e_fail "no launcher window on the desktop ($mode); stderr: $(cat "$folder/stderr.log")"
  [ "$mode" = xwayland ] || return 0
  # Weston draws a shadow around X11 windows, so what changed on screen is
  # more than the window; Xwayland knows where the window itself is.
  window=$(DISPLAY=$weston_xwayland_display x11_wait_window Quorvex 30) ||
    e2e_fail "no launcher window under Xwayland; stderr: $(cat "$folder/stderr.log")"
  window_box=$(DISPLAY=$weston_xwayland_display e2e_geometry "$window")
}

# e2e_weston_stop_launcher: asks the launcher to quit through its own
# command line (no window manager request reaches a Wayland client), waits
# for it to end and for the desktop to look as it did before it started.
e2e_weston_stop_launcher() {
  e2e_stop_launcher_with env QUORVEX_CLASSES_ROOT="$e2e_launcher_folder/classes-root.ini" \
    "$e2e_launcher_folder/quorvex" --quit
  weston_park_pointer
  weston_wait_shows "$e2e_launcher_folder/desktop-before.png" ||
    e2e_fail "the launcher's window stays on the desktop after it ended (at $weston_last_change)"
}
