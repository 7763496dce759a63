#!/usr/bin/env bash
# Dragging the window on a Wayland desktop, where the compositor moves it:
# through Xwayland and as a Wayland client the window moves by the pointer's
# distance, and the skin file holds only a position the window really had
# (under Xwayland where the X server says it is; natively nothing, as no
# client can know its place there).
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
e2e_begin_weston app

# Close enough: the compositor follows the pointer, the pointer arrives in
# steps.
slack=3
near() { local d=$(($1 - $2)); [ "${d#-}" -le "$slack" ]; }

stored() { grep "^$2=" "$app/skins/$1/$1.ini" | cut -d= -f2 | tr -d '\r' || true; }

# drag_window GRIP_X GRIP_Y LEFT TOP: presses at the grip (relative to the
# window at $x,$y) and drags until the window's corner should be at LEFT,TOP.
drag_window() {
  xdotool mousemove $((x + $1)) $((y + $2))
  sleep 0.3
  xdotool mousedown 1
  e2e_drag_to $(($3 + $1)) $(($4 + $2))
  xdotool mouseup 1
  sleep 0.5
}

# xwayland_corner: "X Y" of the window, once it holds still.
xwayland_corner() {
  local last="" now i
  for i in $(seq 1 30); do
    now=$(DISPLAY=$weston_xwayland_display e2e_geometry "$window" | cut -d' ' -f1,2)
    [ "$now" = "$last" ] && { echo "$now"; return 0; }
    last=$now
    sleep 0.1
  done
  echo "$now"
}

# same_band SHOT_A X_A Y_A SHOT_B X_B Y_B: the title band of a window at
# X_A,Y_A of one screenshot is the one at X_B,Y_B of the other, give or take
# a few pixels. The band leaves out the top-left corner, where Ferrolume's
# animation plays, and the clock.
same_band() {
  local differing
  convert "$1" -crop "160x36+$(($2 + 40))+$3" +repage "$app/band-a.png"
  convert "$4" -crop "160x36+$(($5 + 40))+$6" +repage "$app/band-b.png"
  differing=$(compare -metric AE "$app/band-a.png" "$app/band-b.png" null: 2>&1 || true)
  [ "${differing%% *}" -le 20 ] 2>/dev/null
}

# check_xwayland SKIN GRIP_X GRIP_Y: two drags, each to a place of the
# desktop, and the position stored after each.
check_xwayland() {
  local skin=$1 gx=$2 gy=$3 target to_x to_y x0 y0
  printf '[Options]\nStartupSkin=%s\n' "$skin" >"$app/Quorvex.ini"
  e2e_weston_launcher xwayland "$app"
  read -r x y _ _ <<<"$window_box"
  x0=$x y0=$y
  for target in "150 120" "520 330"; do
    read -r to_x to_y <<<"$target"
    drag_window "$gx" "$gy" "$to_x" "$to_y"
    read -r x y < <(xwayland_corner)
    near "$x" "$to_x" && near "$y" "$to_y" ||
      e2e_fail "xwayland $skin: the window is at $x,$y after a drag to $to_x,$to_y"
    [ "$(stored "$skin" StartupLeft)" = "$x" ] && [ "$(stored "$skin" StartupTop)" = "$y" ] ||
      e2e_fail "xwayland $skin: stored $(stored "$skin" StartupLeft),$(stored "$skin" StartupTop), the window is at $x,$y"
  done
  # The desktop shows the window where Xwayland has it: its top band looks
  # as it did where the window first appeared.
  weston_park_pointer
  sleep 0.3
  weston_screenshot "$app/after-drag.png"
  same_band "$window_shot" "$x0" "$y0" "$app/after-drag.png" "$x" "$y" ||
    e2e_fail "xwayland $skin: the desktop does not show the window at $x,$y"
  e2e_weston_stop_launcher
  echo "ok: xwayland $skin"
}

# check_native SKIN GRIP_X GRIP_Y: one drag measured on the desktop's
# screenshots; the skin file gains no position.
check_native() {
  local skin=$1 gx=$2 gy=$3 w h to_x to_y box
  printf '[Options]\nStartupSkin=%s\n' "$skin" >"$app/Quorvex.ini"
  sed -i '/^Startup\(Left\|Top\)=/d' "$app/skins/$skin/$skin.ini"
  e2e_launcher_prefix=(env QT_QPA_PLATFORM=wayland)
  e2e_weston_launcher native "$app"
  e2e_launcher_prefix=()
  read -r x y w h <<<"$window_box"
  # Far enough from where the compositor put it to tell.
  to_x=$((x > 400 ? 60 : 600)) to_y=$((y > 300 ? 40 : 360))
  drag_window "$gx" "$gy" "$to_x" "$to_y"
  weston_park_pointer
  sleep 0.5
  box=$(weston_wait_window "$app/desktop-before.png" "$app/after-drag.png" 10) ||
    e2e_fail "native $skin: no window on the desktop after the drag"
  read -r x y _ _ <<<"$box"
  near "$x" "$to_x" && near "$y" "$to_y" ||
    e2e_fail "native $skin: the window is at $x,$y after a drag to $to_x,$to_y"
  [ -z "$(stored "$skin" StartupLeft)$(stored "$skin" StartupTop)" ] ||
    e2e_fail "native $skin: a position was stored: $(grep -i '^Startup[LT]' "$app/skins/$skin/$skin.ini")"
  e2e_weston_stop_launcher
  echo "ok: native $skin"
}

weston_park_pointer
# Slatewise by its title band, Ferrolume by its shade strip.
check_xwayland Slatewise 100 20
check_xwayland Ferrolume 120 18
check_native Slatewise 100 20
echo PASS
