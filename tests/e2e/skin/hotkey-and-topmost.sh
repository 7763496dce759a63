#!/usr/bin/env bash
# The skin's hot key (Scroll Lock) brings the launcher in front of a window
# that covers it; with AlwaysOnTop=1 the launcher carries the above state.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-cover.sh"
e2e_begin app
ini=$app/skins/Slatewise/Slatewise.ini

sed -i 's/^AlwaysOnTop=.*/AlwaysOnTop=0/I' "$ini"
e2e_start_launcher "$app"
# Start-up ends by applying the skin's stacking, which raises the window:
# let that happen before another window covers it.
sleep 1.5

# A window that covers the launcher.
e2e_cover_open
x11_wait_until x11_above "$cover" "$window" || e2e_fail "the covering window did not come to the front"

# Press and release the hot key; the launcher polls it every 250 ms.
xdotool keydown Scroll_Lock
sleep 0.6
xdotool keyup Scroll_Lock
x11_wait_until x11_above "$window" "$cover" || e2e_fail "the hot key did not bring the launcher forward"
if xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; then
  e2e_fail "AlwaysOnTop=0, but the launcher kept the above state"
fi

# Clicking the other window covers the launcher again.
xdotool windowactivate --sync "$cover" 2>/dev/null || true
xdotool windowraise "$cover"
x11_wait_until x11_above "$cover" "$window" || e2e_fail "the launcher stayed in front after the other window was raised"
kill "$cover_pid" 2>/dev/null || true
e2e_stop_launcher

# With AlwaysOnTop=1 the window carries the above state from the start.
sed -i 's/^AlwaysOnTop=.*/AlwaysOnTop=1/I' "$ini"
e2e_start_launcher "$app"
x11_wait_until sh -c "xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" \
  || e2e_fail "AlwaysOnTop=1, but the window has no above state"
e2e_stop_launcher
echo PASS
