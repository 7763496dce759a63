#!/usr/bin/env bash
# Source after e2e-app.sh: another program's window laid over the launcher,
# for checks of what brings the launcher to the front.
source "$QUORVEX_SOURCE_DIR/tests/support/x11-stacking.sh"

# e2e_cover_open: opens the covering window; sets `cover` (its id) and
# `cover_pid`.
e2e_cover_open() {
  xmessage -geometry 900x700+0+0 -title Cover "covering the launcher" &
  cover_pid=$!
  cover=$(x11_wait_window Cover 15) || e2e_fail "no covering window"
}

# e2e_cover_launcher: raises the covering window over the launcher's $window.
e2e_cover_launcher() {
  xdotool windowactivate "$cover" 2>/dev/null || true
  xdotool windowraise "$cover"
  x11_wait_until x11_above "$cover" "$window" || e2e_fail "the covering window did not come to the front"
}

e2e_cover_close() {
  kill "$cover_pid" 2>/dev/null || true
  wait "$cover_pid" 2>/dev/null || true
}
