#!/usr/bin/env bash
# The launcher starts on the bundled default skin: its window has the
# background's size, sits at the skin's placement (top-right corner), shows
# the background, and stores the shade state when closed.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app

e2e_start_launcher "$app"
sleep 1

background=$app/skins/Slatewise/Slatewise.bmp
read -r bw bh < <(identify -format '%w %h\n' "$background")
read -r x y w h < <(e2e_geometry "$window")
[ "$w" = "$bw" ] && [ "$h" = "$bh" ] || e2e_fail "window is ${w}x${h}, background ${bw}x${bh}"
[ "$x" = $((1024 - bw)) ] && [ "$y" = 0 ] || e2e_fail "window at $x,$y, expected the top-right corner"

# The first run created the library.
for section in Accessories Games Software; do
  [ -d "$app/shortcuts/$section" ] || e2e_fail "first run did not create shortcuts/$section"
done

# The window shows its background: compare the centre pixel.
shot=$app/screen.png
x11_screenshot "$shot"
cx=$((bw / 2)); cy=$((bh / 2))
expected=$(x11_pixel "$background" "$cx" "$cy")
seen=$(x11_pixel "$shot" $((x + cx)) $((y + cy)))
[ "$seen" = "$expected" ] || e2e_fail "centre pixel is $seen, background has $expected"
# The magenta corner of the background is cut out of the window: the (black)
# desktop shows there.
[ "$(x11_pixel "$background" 0 0)" = "255,0,255" ] || e2e_fail "the skin's corner is not magenta"
[ "$(x11_pixel "$shot" "$x" "$y")" = "0,0,0" ] || e2e_fail "the window's magenta corner is not cut away"

wmctrl -c Quorvex
wait "$launcher" || e2e_fail "launcher exited with $?"
grep -qi '^Shaded=0' "$app/skins/Slatewise/Slatewise.ini" || e2e_fail "Shaded not stored at close"
echo "PASS"
