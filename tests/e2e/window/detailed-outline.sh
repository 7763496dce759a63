#!/usr/bin/env bash
# A skin whose background cuts a 320 x 240 checkerboard out of the window (an
# outline of 38,400 one-pixel rectangles, more than one X request holds):
# the window stays visible, its X shape covers the whole window, and on
# screen every cut-away square shows the (black) root window while every
# kept square shows the skin.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app
printf '[Options]\nStartupSkin=Ferrolume\n' > "$app/Quorvex.ini"

# The background grows by a band below everything the skin draws, and the
# checkerboard goes there.
background=$app/skins/Ferrolume/Ferrolume.bmp
read -r ow oh < <(identify -format '%w %h\n' "$background")
cx=10; cy=$((oh + 4)); cw=320; ch=240
bw=$ow; bh=$((cy + ch + 4))
board=$app/board.png
convert -size ${cw}x${ch} pattern:gray50 -type TrueColor \
  -fill '#20A040' -opaque black -fill '#FF00FF' -opaque white "$board"
convert "$background" -type TrueColor -background '#FF00FF' -extent ${bw}x${bh} \
  "$board" -geometry +$cx+$cy -composite BMP3:"$background"

e2e_start_launcher "$app"
sleep 1

read -r x y w h < <(e2e_geometry "$window")
[ "$w" = "$bw" ] && [ "$h" = "$bh" ] || e2e_fail "window is ${w}x${h}, background ${bw}x${bh}"

# The bounding shape spans the window (a refused outline leaves it 0x0); the
# band below the board is cut away.
extents=$(xwininfo -id "$window" -shape | awk '/Window shape extents:/{print $4; exit}')
[ "$extents" = "${bw}x$((cy + ch))+0+0" ] || e2e_fail "window shape extents are '$extents'"

# Pixel by pixel over the checkerboard: where the board is magenta the screen
# is black, where it is green the screen is green.
shot=$app/screen.png
x11_screenshot "$shot"
convert "$shot" -crop ${cw}x${ch}+$((x + cx))+$((y + cy)) +repage "$app/seen.png"
convert "$board" -fill black -opaque '#FF00FF' "$app/expected.png"
differing=$(compare -metric AE "$app/expected.png" "$app/seen.png" null: 2>&1 || true)
[ "$differing" = 0 ] || e2e_fail "$differing of $((cw * ch)) checkerboard pixels differ from the outline"

# Outside the board the skin's own outline still holds: its magenta corner is cut away.
[ "$(x11_pixel "$shot" "$x" "$y")" = "0,0,0" ] || e2e_fail "the window's magenta corner is not cut away"

e2e_stop_launcher
echo PASS
