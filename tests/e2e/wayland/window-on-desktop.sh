#!/usr/bin/env bash
# Both bundled skins on a Wayland desktop, as an X11 program through
# Xwayland and as a Wayland client: the window appears with the size of the
# skin's background, and its outline is exact on screen: every pixel the
# skin cuts away (magenta in its background) shows the desktop, not black
# and not magenta, while the rest shows the skin. So does the rolled-up
# window with the skin's shade picture. The pointer goes through the
# cut-away pixels.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
e2e_begin_weston app

# count_white IMAGE [MASK]: the number of white pixels in IMAGE (only where
# MASK is white).
count_white() {
  if [ $# -eq 2 ]; then
    convert "$1" "$2" -compose multiply -composite -format '%[fx:int(mean*w*h+0.5)]' info:
  else
    convert "$1" -format '%[fx:int(mean*w*h+0.5)]' info:
  fi
}

# check_skin MODE SKIN [shaded]: the window as it starts, or rolled up (it
# starts so when the skin file says it was left so), outlined by the skin's
# shade picture.
check_skin() {
  local mode=$1 skin=$2 state=${3:-} x y w h bw bh
  local background=$app/skins/$skin/$skin.bmp
  printf '[Options]\nStartupSkin=%s\n' "$skin" >"$app/Quorvex.ini"
  if [ "$state" = shaded ]; then
    background=$app/skins/$skin/shade.bmp
    local ini=$app/skins/$skin/$skin.ini
    # The launcher has written its own [UserSettings] on closing.
    sed -i '/^Shaded=/d' "$ini"
    grep -q '^\[UserSettings\]' "$ini" || printf '\n[UserSettings]\n' >>"$ini"
    sed -i 's/^\[UserSettings\]/&\nShaded=1/' "$ini"
  fi
  e2e_weston_launcher "$mode" "$app"
  read -r x y w h <<<"$window_box"
  read -r bw bh < <(identify -format '%w %h\n' "$background")
  [ "$w" = "$bw" ] && [ "$h" = "$bh" ] || e2e_fail "$mode $skin $state: the window is ${w}x${h} on the desktop, its skin ${bw}x${bh}"

  # kept.png is white where the skin keeps its pixels, cut.png where it
  # cuts them away; desktop.png where the screen shows the desktop.
  local seen=$app/seen-$mode-$skin.png kept=$app/kept.png cut=$app/cut.png desktop=$app/desktop.png
  convert "$window_shot" -crop "${w}x${h}+${x}+${y}" +repage -alpha off "$seen"
  convert "$background" -alpha off -fill white +opaque '#FF00FF' -fill black -opaque '#FF00FF' "$kept"
  convert "$kept" -negate "$cut"
  weston_desktop_like "$seen" "$desktop"
  local cut_away shown_through kept_as_desktop
  cut_away=$(count_white "$cut")
  [ "$cut_away" -gt 0 ] || e2e_fail "$skin cuts nothing away; the check would prove nothing"
  shown_through=$(count_white "$desktop" "$cut")
  [ "$shown_through" = "$cut_away" ] ||
    e2e_fail "$mode $skin $state: $((cut_away - shown_through)) of $cut_away cut-away pixels do not show the desktop (corner: $(x11_pixel "$seen" 0 0))"
  kept_as_desktop=$(count_white "$desktop" "$kept")
  [ "$kept_as_desktop" = 0 ] || e2e_fail "$mode $skin $state: the desktop shows in $kept_as_desktop pixels the skin keeps"
  [ "$skin$state" != Slatewise ] || check_pointer_passes "$mode"
  e2e_weston_stop_launcher
  echo "ok: $mode $skin $state"
}

# where_now MODE: "X Y WIDTH HEIGHT" of the window as the desktop shows it.
where_now() {
  weston_park_pointer
  weston_screenshot "$app/now.png"
  weston_changed_box "$app/desktop-before.png" "$app/now.png"
}

# check_pointer_passes MODE: a drag that starts on a cut-away corner pixel
# of the Slatewise window is not the window's: the window stays. One that
# starts on the skin's title band moves it, so the window could have moved.
check_pointer_passes() {
  local mode=$1 x y start
  start=$(where_now "$mode")
  read -r x y _ _ <<<"$window_box"
  for grip in "1 1" "100 20"; do
    read -r gx gy <<<"$grip"
    xdotool mousemove $((x + gx)) $((y + gy)) sleep 0.3 mousedown 1
    e2e_drag_to $((x + gx + 120)) $((y + gy + 90))
    xdotool mouseup 1
    sleep 0.5
    if [ "$grip" = "1 1" ]; then
      [ "$(where_now "$mode")" = "$start" ] || e2e_fail "$mode: a drag from a cut-away pixel moved the window"
    else
      [ "$(where_now "$mode")" != "$start" ] || e2e_fail "$mode: a drag from the title band left the window in place"
    fi
  done
}

for skin in Slatewise Ferrolume; do
  check_skin xwayland "$skin"
  # The platform the user names is the one used.
  e2e_launcher_prefix=(env QT_QPA_PLATFORM=wayland)
  check_skin native "$skin"
  e2e_launcher_prefix=()
done
# Last, since the skin file now keeps the window rolled up.
check_skin native Ferrolume shaded
echo PASS
