#!/usr/bin/env bash
# Which window is in front, as the window manager stacks them: the start-up
# splash and the skin chooser are above everything from their first showing
# on and stay above a window opened right after; so are the first run's
# helper and the "Please wait" window of a library refresh; a program
# launched from the launcher (AlwaysOnTop=0) opens in front of it; the
# chooser keeps the user's selection when the user comes back from another
# program, and rebuilds it when coming back from the launcher window; the
# hot-key question fits the screen.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/x11-stacking.sh"

e2e_begin app 1024x768
ini=$app/skins/Slatewise/Slatewise.ini
sed -i 's/^AlwaysOnTop=.*/AlwaysOnTop=0/I' "$ini"

# cover TITLE: opens another program's window over the middle of the screen
# and sets `other` to its id once it is shown.
cover_pids=()
cover() {
  xmessage -geometry 700x500+150+100 -title "$1" "another program" >/dev/null 2>&1 &
  cover_pids+=($!)
  other=$(x11_wait_window "$1" 15) || e2e_fail "no window $1"
}
trap 'kill "${cover_pids[@]}" 2>/dev/null || true; e2e_cleanup; x11_session_stop' EXIT

# Real pauses: the splash stays a few seconds, and the launch keeps the
# launcher topmost for a second, while the launched program maps its window.
QUORVEX_PAUSE_SCALE=1 QUORVEX_CLASSES_ROOT=$app/classes-root.ini "$app/quorvex" >"$app/stdout.log" 2>"$app/stderr.log" &
launcher=$!
splash=$(x11_wait_window 'Quorvex Splash' 15) || e2e_fail "no splash; stderr: $(cat "$app/stderr.log")"
x11_has_state "$splash" ABOVE || e2e_fail "the splash is not above other windows: $(xprop -id "$splash" _NET_WM_STATE)"
cover Other
sleep 0.3
x11_above "$splash" "$other" || e2e_fail "a window opened during start-up covers the splash"
window=$(x11_wait_window Quorvex 30) || e2e_fail "no launcher window; stderr: $(cat "$app/stderr.log")"

# A first run: the helper greets the user, above everything.
helper=$(x11_wait_window ' Just Starting Out\?' 15) || e2e_fail "no helper on the first run"
sleep 0.3
x11_has_state "$helper" ABOVE || e2e_fail "the helper is not above other windows"
wmctrl -ic "$helper"
sleep 1
read -r wx wy _ _ < <(e2e_geometry "$window")

# A shortcut added behind the launcher's back: a click on its section
# re-reads the library behind the "Please wait" window, which is on top.
cat >"$app/shortcuts/Accessories/Launched.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Launched
Exec=xmessage -geometry 320x120+600+200 -title Launched "started from the launcher"
ENTRY
section_left=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Left=' | cut -d= -f2 | tr -d '\r ')
section_top=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Top=' | cut -d= -f2 | tr -d '\r ')
xdotool mousemove $((wx + section_left + 10)) $((wy + section_top + 8))
sleep 0.3
xdotool click 1
message=$(x11_wait_window ' Quorvex' 10) || e2e_fail "no window while the library is re-read"
x11_has_state "$message" ABOVE || e2e_fail "the \"Please wait\" window is not above other windows"
x11_wait_until sh -c "! xdotool search --onlyvisible --name '^ Quorvex\$' >/dev/null 2>&1" ||
  e2e_fail "the \"Please wait\" window stays"
sleep 1

# Launching: the program's window ends up in front of the launcher.
left=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Button00Left=' | cut -d= -f2 | tr -d '\r ')
top=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Button00Top=' | cut -d= -f2 | tr -d '\r ')
xdotool mousemove $((wx + left + 8)) $((wy + top + 8))
sleep 0.3
xdotool click 1
launched=$(x11_wait_window Launched 15) || e2e_fail "the launched program shows no window"
cover_pids+=("$(xdotool getwindowpid "$launched" 2>/dev/null || true)")
sleep 2.5 # the launch's pauses are over
x11_has_state "$window" ABOVE && e2e_fail "AlwaysOnTop=0, but the launcher stayed above after the launch"
x11_above "$launched" "$window" || e2e_fail "the launched program's window is behind the launcher"
x11_above "$window" "$other" || e2e_fail "the launch sent the launcher behind a window it was in front of"
x11_screenshot "$app/launched.png"

# The chooser, from the skin-management button (24 x 24 at 214,8).
xdotool mousemove $((wx + 214 + 12)) $((wy + 8 + 12))
sleep 0.3
xdotool click 1
chooser=$(x11_wait_window ' Choose a Skin...' 15) || e2e_fail "the chooser did not open"
x11_has_state "$chooser" ABOVE || e2e_fail "the chooser is not above other windows on its first showing"
x11_above "$chooser" "$window" || e2e_fail "the launcher covers the chooser"
cover Later
sleep 0.3
x11_above "$chooser" "$other" || e2e_fail "a window opened after the chooser covers it"

# chooser_shot FILE: the chooser's inside (list, labels, thumbnail), taken
# while it is the active window, so that only the selection can differ.
chooser_shot() {
  xdotool windowactivate --sync "$chooser" 2>/dev/null || true
  sleep 0.8
  local cx cy cw ch
  read -r cx cy cw ch < <(e2e_geometry "$chooser")
  import -display "$DISPLAY" -window root -crop "${cw}x${ch}+${cx}+${cy}" +repage "$1"
}
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

read -r cx cy _ _ < <(e2e_geometry "$chooser")
chooser_shot "$app/running-skin.png"
# The list is 152 pixels wide at 12,12; Ferrolume sorts first.
xdotool mousemove $((cx + 12 + 40)) $((cy + 12 + 8)) click 1
chooser_shot "$app/selected.png"
same_picture "$app/running-skin.png" "$app/selected.png" && e2e_fail "selecting Ferrolume changed nothing"

# Another program, then back: the selection stays.
xdotool windowactivate --sync "$other" 2>/dev/null || true
sleep 1
chooser_shot "$app/back-from-other.png"
same_picture "$app/selected.png" "$app/back-from-other.png" ||
  e2e_fail "coming back from another program threw the chooser's selection away"

# The launcher window, then back: the list is rebuilt, the running skin
# selected again.
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1
chooser_shot "$app/back-from-launcher.png"
same_picture "$app/running-skin.png" "$app/back-from-launcher.png" ||
  e2e_fail "coming back from the launcher window did not rebuild the chooser's list"

# The hot-key question ("Change Slatewise's Hotkey", 240 x 28 at 176,322).
xdotool mousemove $((cx + 176 + 120)) $((cy + 322 + 14)) click 1
question=$(x11_wait_window 'Hotkey Assignment' 10) || e2e_fail "no hot-key question"
sleep 0.5
read -r qx qy qw qh < <(e2e_geometry "$question")
x11_screenshot "$app/question.png"
[ "$qx" -ge 0 ] && [ "$qy" -ge 0 ] && [ $((qx + qw)) -le 1024 ] && [ $((qy + qh)) -le 768 ] ||
  e2e_fail "the hot-key question ($qw x $qh at $qx,$qy) does not fit the 1024x768 screen"
[ "$qw" -le 600 ] || e2e_fail "the hot-key question is $qw pixels wide"
xdotool windowactivate --sync "$question" 2>/dev/null || true
xdotool key Escape
sleep 0.5

[ -n "${QUORVEX_E2E_SHOTS:-}" ] &&
  cp "$app/launched.png" "$app/selected.png" "$app/back-from-other.png" "$app/question.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo PASS
