#!/usr/bin/env bash
# The window shade on a Wayland desktop, where the compositor moves the
# window: through Xwayland and as a Wayland client, a double click on
# Ferrolume's shade strip rolls the window up to its shade picture, a double
# click on the rolled-up window brings it back, and a drag that starts on the
# strip still moves the window.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
e2e_begin_weston app
skin=$app/skins/Ferrolume
printf '[Options]\nStartupSkin=Ferrolume\n' >"$app/Quorvex.ini"

read -r bw bh < <(identify -format '%w %h\n' "$skin/Ferrolume.bmp")
read -r sw sh < <(identify -format '%w %h\n' "$skin/shade.bmp")
field() { sed -n '/^\[Shading\]/,/^\[/p' "$skin/Ferrolume.ini" | grep -i "^$1=" | cut -d= -f2 | tr -d '\r '; }
strip_x=$(($(field Left) + $(field Width) / 2))
strip_y=$(($(field Top) + $(field Height) / 2))

slack=3
near() { local d=$(($1 - $2)); [ "${d#-}" -le "$slack" ]; }

# box_now MODE: "X Y WIDTH HEIGHT" of the window: where Xwayland has it, or
# as the desktop shows it (no Wayland client can ask).
box_now() {
  if [ "$1" = xwayland ]; then
    DISPLAY=$weston_xwayland_display e2e_geometry "$window"
    return
  fi
  weston_park_pointer
  weston_screenshot "$app/now.png"
  weston_changed_box "$app/desktop-before.png" "$app/now.png"
}

# wait_size MODE W H: the window takes that size within a few seconds; sets
# x and y to where it is then.
wait_size() {
  local i w=0 h=0
  for i in $(seq 1 20); do
    read -r x y w h < <(box_now "$1")
    [ "$w" = "$2" ] && [ "$h" = "$3" ] && return 0
    sleep 0.2
  done
  e2e_fail "$1: the window is ${w}x${h}, expected $2x$3"
}

# double_click X Y: two clicks as a hand gives them, the pointer at rest.
double_click() {
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool mousedown 1 sleep 0.1 mouseup 1 sleep 0.1 mousedown 1 sleep 0.1 mouseup 1
  sleep 0.3
}

check_shade() {
  local mode=$1 to_x to_y
  e2e_weston_launcher "$mode" "$app"
  wait_size "$mode" "$bw" "$bh"

  double_click $((x + strip_x)) $((y + strip_y))
  wait_size "$mode" "$sw" "$sh"
  # The middle of the rolled-up window is its background.
  double_click $((x + sw / 2)) $((y + sh / 2))
  wait_size "$mode" "$bw" "$bh"

  # A press on the strip that moves still drags the window.
  to_x=$((x > 400 ? 80 : 560)) to_y=$((y > 300 ? 60 : 380))
  xdotool mousemove $((x + strip_x)) $((y + strip_y))
  sleep 0.3
  xdotool mousedown 1
  e2e_drag_to $((to_x + strip_x)) $((to_y + strip_y))
  xdotool mouseup 1
  sleep 0.5
  wait_size "$mode" "$bw" "$bh"
  near "$x" "$to_x" && near "$y" "$to_y" ||
    e2e_fail "$mode: the window is at $x,$y after a drag on the shade strip to $to_x,$to_y"
  e2e_weston_stop_launcher
  grep -q '^Shaded=0' "$skin/Ferrolume.ini" || e2e_fail "$mode: Shaded=0 not stored after rolling down"
  echo "ok: $mode"
}

weston_park_pointer
check_shade xwayland
# No position stored through Xwayland makes the native window start elsewhere.
sed -i '/^Startup\(Left\|Top\)=/d' "$skin/Ferrolume.ini"
e2e_launcher_prefix=(env QT_QPA_PLATFORM=wayland)
check_shade native
e2e_launcher_prefix=()
echo PASS
