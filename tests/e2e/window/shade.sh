#!/usr/bin/env bash
# The window shade: a double click on the shade strip rolls the window up to
# the size of the skin's shade.bmp; a double click on the rolled-up window
# brings it back at full size.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories"
printf '[Options]\nStartupSkin=Ferrolume\n' > "$app/Quorvex.ini"
skin=$app/skins/Ferrolume

e2e_start_launcher "$app"
sleep 1

read -r bw bh < <(identify -format '%w %h\n' "$skin/Ferrolume.bmp")
read -r sw sh < <(identify -format '%w %h\n' "$skin/shade.bmp")
field() { sed -n '/^\[Shading\]/,/^\[/p' "$skin/Ferrolume.ini" | grep -i "^$1=" | cut -d= -f2 | tr -d '\r '; }
strip_x=$(( $(field Left) + $(field Width) / 2 ))
strip_y=$(( $(field Top) + $(field Height) / 2 ))

# wait_size W H: the window takes that size within a few seconds.
wait_size() {
  local i
  for i in $(seq 1 30); do
    read -r x y w h < <(e2e_geometry "$window")
    [ "$w" = "$1" ] && [ "$h" = "$2" ] && return 0
    sleep 0.1
  done
  e2e_fail "window is ${w}x${h}, expected $1x$2"
}

wait_size "$bw" "$bh"
read -r x y _ _ < <(e2e_geometry "$window")
xdotool mousemove $((x + strip_x)) $((y + strip_y)) click --repeat 2 --delay 80 1
wait_size "$sw" "$sh"

# The middle of the rolled-up window is its background.
xdotool mousemove $((x + sw / 2)) $((y + sh / 2)) click --repeat 2 --delay 80 1
wait_size "$bw" "$bh"

e2e_stop_launcher
grep -q '^Shaded=0' "$skin/Ferrolume.ini" || e2e_fail "Shaded=0 not stored after rolling down"
echo PASS
