#!/usr/bin/env bash
# With no display to show a window on (none named, or the named ones do not
# answer), the launcher says so in one line and ends with status 1, without
# touching its folder, instead of aborting in the toolkit.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_make_app app
trap e2e_cleanup EXIT
runtime=$app/runtime
mkdir -m 700 "$runtime"

# expect_no_display NAME ENVIRONMENT...: runs the launcher with only the
# display variables given.
expect_no_display() {
  local name=$1 status=0
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@" \
    QUORVEX_CLASSES_ROOT="$app/classes-root.ini" timeout 30 "$app/quorvex" >"$app/stdout.log" 2>"$app/stderr.log" ||
    status=$?
  [ "$status" = 1 ] || e2e_fail "$name: exit status $status, not 1; stderr: $(cat "$app/stderr.log")"
  [ "$(wc -l <"$app/stderr.log")" = 1 ] || e2e_fail "$name: not one line: $(cat "$app/stderr.log")"
  grep -q '^quorvex: .*display' "$app/stderr.log" || e2e_fail "$name: says $(cat "$app/stderr.log")"
  [ ! -e "$app/shortcuts" ] || e2e_fail "$name: the program folder was set up without a window to show"
  echo "ok: $name: $(cat "$app/stderr.log")"
}

expect_no_display "nothing set"
expect_no_display "displays that do not answer" DISPLAY=:65000 WAYLAND_DISPLAY=wayland-none
# A platform the user names is kept, and its missing display said as plainly.
expect_no_display "xcb named" QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-none
expect_no_display "wayland named" QT_QPA_PLATFORM=wayland DISPLAY=:65000
echo PASS
