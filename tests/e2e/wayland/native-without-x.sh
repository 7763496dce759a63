#!/usr/bin/env bash
# On a Wayland desktop without an X display (none named, or the named one
# does not answer), the launcher runs as a Wayland client instead of
# aborting, and says once what does not work there.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
e2e_begin_weston app

# check_native NAME ENVIRONMENT...
check_native() {
  local name=$1
  shift
  e2e_launcher_prefix=(env "$@")
  e2e_weston_launcher native "$app"
  e2e_launcher_prefix=()
  local said
  said=$(grep -c 'running as a Wayland client: the global hot key and the window.s remembered position do not work' \
    "$app/stderr.log" || true)
  [ "$said" = 1 ] || e2e_fail "$name: the limits are said $said times; stderr: $(cat "$app/stderr.log")"
  ! grep -q 'X11 display' "$app/stderr.log" || e2e_fail "$name: said twice: $(cat "$app/stderr.log")"
  e2e_weston_stop_launcher
  echo "ok: $name"
}

check_native "no DISPLAY"
check_native "a DISPLAY that does not answer" DISPLAY=:65000
echo PASS
