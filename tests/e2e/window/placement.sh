#!/usr/bin/env bash
# Where the window opens, as the window manager shows it: at each placement
# code of the skin on both axes; where a drag into each corner left it, the
# top-left corner (0,0) included; at a stored position partly off the top
# left; and, with a position stored on a larger screen, fully on the screen
# it starts on, while the stored position stays as the user left it.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app 1024x768
mkdir -p "$app/shortcuts/Accessories"
ini=$app/skins/Slatewise/Slatewise.ini
read -r w h < <(identify -format '%w %h\n' "$app/skins/Slatewise/Slatewise.bmp")

# set_key SECTION KEY VALUE: writes KEY in [SECTION] of the skin file.
set_key() {
  if grep -qi "^$2=" "$ini"; then
    sed -i "s/^$2=.*/$2=$3/I" "$ini"
  else
    sed -i "/^\[$1\]/a $2=$3" "$ini"
  fi
}
clear_stored() { sed -i '/^StartupLeft=/Id; /^StartupTop=/Id' "$ini"; }
grep -q '^\[UserSettings\]' "$ini" || printf '\n[UserSettings]\n' >>"$ini"

# expect_at X Y WHAT: the running launcher's window is at X,Y.
expect_at() {
  local x y
  read -r x y _ _ < <(e2e_geometry "$window")
  [ "$x" = "$1" ] && [ "$y" = "$2" ] || e2e_fail "$3: window at $x,$y, expected $1,$2"
}

# The codes: 1 the left/top edge, 2 the right/bottom edge, 3 centred (the
# whole part of the half difference in twips), anything else the window's
# own first position, the top-left corner.
place() {
  case $1 in
    1) echo 0 ;;
    2) echo $(($2 - $3)) ;;
    3) echo $(((($2 - $3) * 15 / 2) / 15)) ;;
    *) echo 0 ;;
  esac
}
clear_stored
for codes in "0 0" "1 1" "2 2" "3 3" "4 4" "3 2" "2 3" "1 2" "4 3"; do
  read -r px py <<<"$codes"
  set_key SkinInfo PositionX "$px"
  set_key SkinInfo PositionY "$py"
  e2e_start_launcher "$app"
  sleep 0.5
  expect_at "$(place "$px" 1024 "$w")" "$(place "$py" 768 "$h")" "PositionX=$px PositionY=$py"
  e2e_stop_launcher
done

# A drag that ends a few pixels short of a corner snaps into it; the next
# start opens there. Each start also serves the drag into the next corner.
grip_x=100 grip_y=20 # a spot of the title band that no button covers
set_key SkinInfo PositionX 3
set_key SkinInfo PositionY 3
e2e_start_launcher "$app"
sleep 0.5
for corner in "0 0" "$((1024 - w)) 0" "$((1024 - w)) $((768 - h))" "0 $((768 - h))" "0 0"; do
  read -r cx cy <<<"$corner"
  read -r x y _ _ < <(e2e_geometry "$window")
  xdotool mousemove $((x + grip_x)) $((y + grip_y))
  sleep 0.2
  xdotool mousedown 1
  # Towards the corner from the middle of the screen (an edge pulls only a
  # window that comes towards it), ending four pixels short of it.
  tx=$((cx == 0 ? 4 : cx - 4)) ty=$((cy == 0 ? 4 : cy - 4))
  e2e_drag_to $(((1024 - w) / 2 + grip_x)) $(((768 - h) / 2 + grip_y))
  e2e_drag_to $((tx + grip_x)) $((ty + grip_y))
  xdotool mouseup 1
  sleep 0.4
  expect_at "$cx" "$cy" "dragged towards $cx,$cy"
  grep -qx "StartupLeft=$cx" "$ini" && grep -qx "StartupTop=$cy" "$ini" ||
    e2e_fail "corner $cx,$cy not stored: $(grep -i '^startup' "$ini" | tr '\n' ' ')"
  e2e_stop_launcher
  e2e_start_launcher "$app"
  sleep 0.5
  expect_at "$cx" "$cy" "restarted after a drag to $cx,$cy"
done
e2e_stop_launcher

# Partly off the top-left corner, as a drag with Ctrl held leaves it.
set_key UserSettings StartupLeft -50
set_key UserSettings StartupTop -20
e2e_start_launcher "$app"
sleep 0.5
expect_at -50 -20 "stored position -50,-20"
e2e_stop_launcher

# Stored on a larger screen: the window comes up whole in the nearest
# corner, and the stored position is not touched by the start.
set_key UserSettings StartupLeft 3000
set_key UserSettings StartupTop 2000
e2e_start_launcher "$app"
sleep 0.5
expect_at $((1024 - w)) $((768 - h)) "stored position 3000,2000 on a 1024x768 screen"
e2e_stop_launcher
grep -qx 'StartupLeft=3000' "$ini" && grep -qx 'StartupTop=2000' "$ini" ||
  e2e_fail "the stored position was rewritten: $(grep -i '^startup' "$ini" | tr '\n' ' ')"
echo PASS
