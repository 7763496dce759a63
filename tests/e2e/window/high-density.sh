#!/usr/bin/env bash
# The launcher on a screen of device-pixel ratio 2 (QT_SCALE_FACTOR=2, or a
# desktop that sets Xft.dpi: 192):
#  - the window is twice the size of the ordinary one;
#  - its X outline is the ordinary one with every rectangle doubled, for the
#    bundled skin (a short list Qt installs), for its rolled-up window (cut
#    from shade@2x.bmp) and for a checkerboard outline too long for one X
#    request (installed as a shape mask);
#  - where the skin ships an @2x background the screen shows that picture's
#    own pixels, which differ from the ordinary picture doubled; where it
#    ships none the ordinary picture comes out doubled pixel for pixel,
#    never smoothed; an @2x picture of the wrong size is passed over with a
#    line on stderr.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app 1600x1200
printf '[Options]\nStartupSkin=Ferrolume\n' > "$app/Quorvex.ini"
skin=$app/skins/Ferrolume

# capture NAME SCALE [shaded]: runs the launcher at that scale
# (QT_SCALE_FACTOR, or "xft" for the desktop's font resolution at 192 dots
# per inch), rolled up when asked, and keeps the window's size (NAME.size),
# its outline (NAME.outline, sorted) and its look (NAME.png).
capture() {
  local name=$1 scale=$2 shaded=${3:-} x y w h
  if [ "$scale" = xft ]; then
    echo 'Xft.dpi: 192' | xrdb -merge
    e2e_start_launcher "$app"
    xrdb -remove
  else
    QT_SCALE_FACTOR=$scale e2e_start_launcher "$app"
  fi
  xdotool mousemove 0 1199
  sleep 1
  read -r x y w h < <(e2e_geometry "$window")
  if [ -n "$shaded" ]; then
    # Double-click the title cap's shade strip (skin pixels 40,3 to 200,33).
    local ratio=$((w / 340))
    xdotool mousemove $((x + 60 * ratio)) $((y + 12 * ratio)) click --repeat 2 --delay 80 1 mousemove 0 1199
    sleep 1
    read -r x y w h < <(e2e_geometry "$window")
  fi
  echo "$w $h" > "$app/$name.size"
  "$QUORVEX_BINARY_DIR/bin/e2e-shape-rectangles" "$window" | sort > "$app/$name.outline"
  x11_screenshot "$app/screen.png"
  convert "$app/screen.png" -crop "${w}x${h}+$x+$y" +repage "$app/$name.png"
  cp "$app/stderr.log" "$app/$name.stderr"
  e2e_stop_launcher
}

# same_twice_as_large SMALL LARGE: the window of LARGE is twice the size of
# SMALL's, and its outline is SMALL's with every rectangle doubled.
same_twice_as_large() {
  local w h
  read -r w h < "$app/$1.size"
  [ "$(cat "$app/$2.size")" = "$((2 * w)) $((2 * h))" ] ||
    e2e_fail "$2: window is $(cat "$app/$2.size"), not twice ${w}x${h}"
  [ -s "$app/$1.outline" ] || e2e_fail "$1: no outline"
  awk '{print 2 * $1, 2 * $2, 2 * $3, 2 * $4}' "$app/$1.outline" | sort > "$app/$1.doubled"
  cmp -s "$app/$1.doubled" "$app/$2.outline" ||
    e2e_fail "$2: the outline ($(wc -l < "$app/$2.outline") rectangles) is not $1's doubled" \
             "($(wc -l < "$app/$1.outline") rectangles); first difference: $(diff "$app/$1.doubled" "$app/$2.outline" | sed -n 2p)"
}

# differing FILE FILE: how many pixels of the two pictures differ.
differing() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

# The hearth below the side tabs: only the window's background shows there.
hearth="64x64+28+266"
hearth2x="128x128+56+532"

capture ordinary 1
capture dense 2
same_twice_as_large ordinary dense
convert "$app/dense.png" -crop "$hearth2x" +repage "$app/dense-hearth.png"
convert "$skin/Ferrolume@2x.bmp" -crop "$hearth2x" +repage "$app/fine-hearth.png"
convert "$skin/Ferrolume.bmp" -crop "$hearth" +repage -sample 200% "$app/doubled-hearth.png"
[ "$(differing "$app/fine-hearth.png" "$app/doubled-hearth.png")" -gt 100 ] ||
  e2e_fail "the @2x background is hardly more than the ordinary one doubled; the check proves nothing"
[ "$(differing "$app/dense-hearth.png" "$app/fine-hearth.png")" = 0 ] ||
  e2e_fail "the window does not show Ferrolume@2x.bmp: $(differing "$app/dense-hearth.png" "$app/fine-hearth.png") pixels differ"
capture xft xft
same_twice_as_large ordinary xft

# Without its @2x picture the background is doubled pixel by pixel.
mv "$skin/Ferrolume@2x.bmp" "$app/Ferrolume@2x.bmp"
capture doubled 2
same_twice_as_large ordinary doubled
convert "$app/doubled.png" -crop "$hearth2x" +repage "$app/seen-hearth.png"
[ "$(differing "$app/seen-hearth.png" "$app/doubled-hearth.png")" = 0 ] ||
  e2e_fail "the ordinary background is not doubled pixel for pixel:" \
           "$(differing "$app/seen-hearth.png" "$app/doubled-hearth.png") pixels differ"

# A checkerboard of 320 x 120 magenta and green squares below the skin: an
# outline of 19,200 rectangles, beyond one X request. The @2x background,
# now the size of the old picture, no longer fits and is passed over.
background=$skin/Ferrolume.bmp
read -r ow oh < <(identify -format '%w %h\n' "$background")
convert -size 320x120 pattern:gray50 -type TrueColor -fill '#20A040' -opaque black -fill '#FF00FF' -opaque white \
  "$app/board.png"
convert "$background" -type TrueColor -background '#FF00FF' -extent "${ow}x$((oh + 128))" \
  "$app/board.png" -geometry "+10+$((oh + 4))" -composite BMP3:"$background"
mv "$app/Ferrolume@2x.bmp" "$skin/Ferrolume@2x.bmp"
capture board 1
capture board-dense 2
[ "$(wc -l < "$app/board.outline")" -gt 16384 ] || e2e_fail "the checkerboard outline is too short to need a mask"
same_twice_as_large board board-dense
# Rolled up (and so stored), the window comes back rolled up at ratio 2.
capture board-shaded 1 shaded
[ "$(cat "$app/board-shaded.size")" = "340 36" ] || e2e_fail "the window did not roll up: $(cat "$app/board-shaded.size")"
capture board-dense-shaded 2
same_twice_as_large board-shaded board-dense-shaded

grep -q "ignoring .*Ferrolume@2x.bmp: it is 680 x 704 pixels, not twice the $ow x $((oh + 128))" \
  "$app/board-dense.stderr" || e2e_fail "no word of the ill-fitting @2x picture: $(cat "$app/board-dense.stderr")"

echo PASS
