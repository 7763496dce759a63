#!/usr/bin/env bash
# The skin-management button opens the chooser next to a launcher that stays
# usable; a new hot key typed there for the running skin is stored and works
# at once; choosing Ferrolume restarts the launcher, which comes up with
# Ferrolume (a window of Ferrolume.bmp's size) and stores it as the start-up
# skin.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories"
# Only the first launcher is given its registry and pause scale; the
# restarted one must inherit them.
e2e_start_launcher "$app"
first=$launcher
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")

kill -0 "$first" || e2e_fail "the launcher did not start"

# The skin-management button is 24 x 24 at 214,8 in the Slatewise skin.
xdotool mousemove $((wx + 214 + 12)) $((wy + 8 + 12))
sleep 0.3
xdotool click 1
chooser=$(x11_wait_window ' Choose a Skin...' 15) || e2e_fail "the chooser did not open"
sleep 0.5
x11_screenshot "$app/chooser.png"
kill -0 "$first" || e2e_fail "the launcher ended when the chooser opened"

read -r cx cy cw ch < <(e2e_geometry "$chooser")

# "Change Slatewise's Hotkey" is 240 x 28 at 176,322.
xdotool mousemove $((cx + 176 + 120)) $((cy + 322 + 14)) click 1
question=$(x11_wait_window 'Hotkey Assignment' 10) || e2e_fail "no hot-key question"
xdotool windowactivate --sync "$question" 2>/dev/null || true
xdotool key ctrl+a type ' ctrl+f5 '
xdotool key Return
sleep 0.5
grep -qx 'HotKey=ctrl+f5' "$app/skins/Slatewise/Slatewise.ini" ||
  e2e_fail "hot key not stored: $(grep -i '^hotkey' "$app/skins/Slatewise/Slatewise.ini")"

# Cover the launcher, then press the new hot key (released while Ctrl is held).
xmessage -geometry 300x380+720+0 -title Cover "covering the launcher" &
cover_pid=$!
cover=$(x11_wait_window Cover 15) || e2e_fail "no covering window"
sleep 0.5
top_of() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g' | xargs -n1 printf '%d\n' |
  grep -nxE "$1|$2" | tail -n1 | cut -d: -f2; }
[ "$(top_of "$cover" "$window")" = "$cover" ] || e2e_fail "the cover is not above the launcher"
xdotool keydown Control_L keydown F5
sleep 0.6
xdotool keyup F5
sleep 0.4
xdotool keyup Control_L
deadline=$((SECONDS + 10))
until [ "$(top_of "$cover" "$window")" = "$window" ]; do
  [ $SECONDS -lt $deadline ] || e2e_fail "the new hot key did not bring the launcher forward"
  sleep 0.2
done
kill "$cover_pid" 2>/dev/null || true

# The list is 152 pixels wide at 12,12; Ferrolume sorts first.
xdotool mousemove $((cx + 12 + 40)) $((cy + 12 + 8)) click 1
sleep 0.5
# "Choose this skin" is 120 x 30 at 292,394.
xdotool mousemove $((cx + 292 + 60)) $((cy + 394 + 15)) click 1

wait "$first" || e2e_fail "the first launcher ended with $?"
grep -qix 'StartupSkin=Ferrolume' "$app/Quorvex.ini" || e2e_fail "Ferrolume not stored: $(cat "$app/Quorvex.ini")"

read -r bw bh < <(identify -format '%w %h\n' "$app/skins/Ferrolume/Ferrolume.bmp")
deadline=$((SECONDS + 30))
size=""
while [ $SECONDS -lt $deadline ]; do
  second=$(xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null | head -n1 || true)
  if [ -n "$second" ]; then
    read -r x y w h < <(e2e_geometry "$second")
    size="${w}x${h}"
    [ "$size" = "${bw}x${bh}" ] && break
  fi
  sleep 0.2
done
[ "$size" = "${bw}x${bh}" ] || e2e_fail "the restarted launcher is ${size:-not shown}, Ferrolume is ${bw}x${bh}"
sleep 1
x11_screenshot "$app/restarted.png"
[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/chooser.png" "$app/restarted.png" "$QUORVEX_E2E_SHOTS/" || true

e2e_stop_launcher
echo "PASS"
