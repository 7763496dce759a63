#!/usr/bin/env bash
# Dragging the window by its background: it follows the pointer, snaps flush
# to the right edge once within ten pixels of it, stores where it was left in
# the skin file, and opens there again at the next start.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories"
ini=$app/skins/Slatewise/Slatewise.ini

start_launcher() {
  e2e_start_launcher "$app"
  sleep 1
}

start_launcher
read -r x y w h < <(e2e_geometry "$window")
# A spot of the title band that no button covers.
grip_x=100 grip_y=20
xdotool mousemove $((x + grip_x)) $((y + grip_y))
sleep 0.2
xdotool mousedown 1
e2e_drag_to $((200 + grip_x)) $((180 + grip_y))
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x" = 200 ] && [ "$y" = 180 ] || e2e_fail "dragged window at $x,$y, expected 200,180"

# Six pixels short of the right edge: the window jumps flush to it.
e2e_drag_to $((1024 - w - 6 + grip_x)) $((180 + grip_y))
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x" = $((1024 - w)) ] && [ "$y" = 180 ] || e2e_fail "window at $x,$y, expected flush right at $((1024 - w)),180"
xdotool mouseup 1
sleep 0.5

grep -q "^StartupLeft=$((1024 - w))\$" "$ini" || e2e_fail "StartupLeft not stored: $(grep -i startup "$ini" || true)"
grep -q '^StartupTop=180$' "$ini" || e2e_fail "StartupTop not stored: $(grep -i startup "$ini" || true)"

e2e_stop_launcher

# The next start opens where the window was left, not at the skin's corner.
start_launcher
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x" = $((1024 - w)) ] && [ "$y" = 180 ] || e2e_fail "restarted window at $x,$y, expected $((1024 - w)),180"
e2e_stop_launcher
echo PASS
