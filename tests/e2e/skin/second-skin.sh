#!/usr/bin/env bash
# The second bundled skin starts with its own size, outline, clock and film
# loop: the window has Ferrolume.bmp's size, the screen shows the desktop
# through the background's magenta corners, and the film loop animates.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app
printf '[Options]\nStartupSkin=Ferrolume\n' > "$app/Quorvex.ini"

e2e_start_launcher "$app"
sleep 1

background=$app/skins/Ferrolume/Ferrolume.bmp
read -r bw bh < <(identify -format '%w %h\n' "$background")
read -r x y w h < <(e2e_geometry "$window")
[ "$w" = "$bw" ] && [ "$h" = "$bh" ] || e2e_fail "window is ${w}x${h}, background ${bw}x${bh}"

# Every magenta pixel of the background shows the (black) root window.
shot=$app/screen.png
x11_screenshot "$shot"
magenta=$(convert "$background" -format '%[fx:255*p{0,0}.r],%[fx:255*p{0,0}.g],%[fx:255*p{0,0}.b]' info:)
[ "$magenta" = "255,0,255" ] || e2e_fail "expected a magenta corner in the skin, found $magenta"
[ "$(x11_pixel "$shot" "$x" "$y")" = "0,0,0" ] || e2e_fail "the window's magenta corner is not cut away"
cx=$((bw / 2)); cy=$((bh / 2))
[ "$(x11_pixel "$shot" $((x + cx)) $((y + cy)))" = "$(x11_pixel "$background" "$cx" "$cy")" ] \
  || e2e_fail "the window does not show its background"

# The film loop animates: its area changes between two screenshots.
loop_left=$(sed -n '/^\[FilmLoop1\]/,/^\[/p' "$app/skins/Ferrolume/Ferrolume.ini" | grep -i '^Left=' | cut -d= -f2 | tr -d '\r ')
loop_top=$(sed -n '/^\[FilmLoop1\]/,/^\[/p' "$app/skins/Ferrolume/Ferrolume.ini" | grep -i '^Top=' | cut -d= -f2 | tr -d '\r ')
crop="20x20+$((x + loop_left))+$((y + loop_top))"
first=$(convert "$shot" -crop "$crop" +repage -format '%#' info:)
changed=no
for _ in $(seq 1 10); do
  sleep 0.15
  x11_screenshot "$shot"
  [ "$(convert "$shot" -crop "$crop" +repage -format '%#' info:)" != "$first" ] && { changed=yes; break; }
done
[ "$changed" = yes ] || e2e_fail "the film loop does not animate"

e2e_stop_launcher
echo PASS
