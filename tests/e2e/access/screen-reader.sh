#!/usr/bin/env bash
# The launcher as a screen reader sees it over AT-SPI: every visible section
# and launch button is there with its role, name and tool tip, the clock is
# a named label, and the keyboard alone launches a program, switches
# sections and works the skin chooser, whose controls are named too.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/atspi-session.sh"
atspi_private_bus "$@"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
trap 'atspi_session_stop; e2e_cleanup; x11_session_stop' EXIT
atspi_session_start || { echo "SKIP: AT-SPI cannot start here"; exit 77; }

# Each program only leaves a file behind to say it ran.
mkdir -p "$app/shortcuts/Accessories" "$app/shortcuts/Games"
add_program() {
  printf '#!/bin/sh\ntouch "%s"\n' "$app/$2.started" > "$app/$2.sh"
  chmod +x "$app/$2.sh"
  printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\n' "$2" "$app/$2.sh" \
    > "$app/shortcuts/$1/$2.desktop"
}
add_program Accessories Alpha
add_program Accessories Beta
add_program Games Gamma

e2e_start_launcher "$app"
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

# The screen reader's view of one window, one object a line:
# "window<TAB>role<TAB>name<TAB>description<TAB>flags" (see atspi-tree.py).
tree=$app/tree.txt
read_tree() { atspi showing Quorvex "$1" > "$tree"; }
tab=$'\t'
# sees WINDOW "role|name|description[|flag]"...: each object is on screen,
# with that flag among its flags when one is given.
sees() {
  local window=$1 entry
  shift
  for entry in "$@"; do
    awk -F'\t' -v want="$window|$entry" '
      { line = $1 "|" $2 "|" $3 "|" $4; n = split($5, flags, ",")
        if (line == want) found = 1
        for (i = 1; i <= n; i++) if (line "|" flags[i] == want) found = 1 }
      END { exit !found }' "$tree" ||
      e2e_fail "the screen reader does not see '$entry' in '$window'; it sees:$(printf '\n%s' "$(cat "$tree")")"
  done
}
sees_no() { ! grep -qF -- "$1" "$tree" || e2e_fail "the screen reader still sees '$1'"; }
focus() { atspi focus Quorvex "$1" "$2" || e2e_fail "the focus is not on $1 '$2'"; }

read_tree Quorvex
sees Quorvex "frame|Quorvex|" "page tab|Accessories|Accessories|selected" "page tab|Games|Games" \
  "page tab|Empty section 3|Drop shortcuts here to add them" "push button|Alpha|Alpha" "push button|Beta|Beta" \
  "push button|Exit|" "push button|Shortcuts|" "push button|Skins|"
# The clock is a label named "Clock" whose description is the time shown.
grep -qE "^Quorvex${tab}label${tab}Clock${tab}[0-9]{1,2}:[0-9]{2}" "$tree" || e2e_fail "no clock label: $(cat "$tree")"
sees_no Gamma
# Every button on screen has a name, and no description reads out markup.
unnamed=$(awk -F'\t' '($2 == "push button" || $2 == "page tab") && $3 == ""' "$tree")
[ -z "$unnamed" ] || e2e_fail "buttons without a name: $unnamed"
! grep -q '<' "$tree" || e2e_fail "markup read out: $(grep '<' "$tree")"

# The first launch button has the focus; Tab moves it, Enter launches.
focus "push button" Alpha
xdotool key Tab
focus "push button" Beta
# The launcher window with the keyboard's focus mark on Beta, and no
# pointer over it to light up another button.
xdotool mousemove 0 0
sleep 0.3
x11_screenshot "$app/screen.png"
read -r wx wy ww wh < <(e2e_geometry "$window")
convert "$app/screen.png" -crop "${ww}x${wh}+${wx}+${wy}" +repage "$app/focus-mark.png"
xdotool key Return
e2e_wait_file "$app/Beta.started" "Tab and Enter did not start the Beta program"
[ ! -f "$app/Alpha.started" ] || e2e_fail "Alpha started too"

# Tab goes on to the sections; Right and Space switch to the next one.
xdotool key Tab
focus "page tab" Accessories
xdotool key Right
focus "page tab" Games
xdotool key space
sleep 0.5
read_tree Quorvex
sees Quorvex "push button|Gamma|Gamma" "page tab|Games|Games|selected"
sees_no "Alpha${tab}Alpha"
sees_no "Accessories${tab}Accessories${tab}selected"
# Shift+Tab goes back over the sections to Gamma; Enter launches it.
xdotool key shift+Tab
focus "page tab" Accessories
xdotool key shift+Tab
focus "push button" Gamma
xdotool key Return
e2e_wait_file "$app/Gamma.started" "Enter did not start the Gamma program"
# Ctrl+PgUp pages back; the section button takes the focus.
xdotool key ctrl+Prior
focus "page tab" Accessories
read_tree Quorvex
sees Quorvex "push button|Alpha|Alpha" "page tab|Accessories|Accessories|selected"
sees_no Gamma

# The skin-management button opens the chooser from the keyboard.
for i in $(seq 1 20); do
  atspi focus Quorvex "push button" Skins 0.5 2>/dev/null && break
  xdotool key Tab
done
focus "push button" Skins
xdotool key Return
chooser_title=' Choose a Skin...'
chooser=$(x11_wait_window "$chooser_title" 15) || e2e_fail "Enter on Skins did not open the chooser"
atspi window Quorvex "$chooser_title" || e2e_fail "the screen reader does not see the chooser"
focus "list item" Slatewise
read_tree "$chooser_title"
sees "$chooser_title" "frame|$chooser_title|" "list|Skins|" "list item|Ferrolume|" "list item|Slatewise|" \
  "image|Thumbnail of Slatewise|" "check box|Slatewise is Always on Top|" \
  "check box|Slatewise should use Sound||checked" \
  "check box|Start Quorvex when I log in|" "push button|Change Slatewise's Hotkey|" \
  "push button|How can I create my own skins?|" "push button|Choose this skin|" "push button|Cancel|"
# Up picks Ferrolume, whose options the boxes then name.
xdotool key Up
focus "list item" Ferrolume
read_tree "$chooser_title"
sees "$chooser_title" "check box|Ferrolume is Always on Top|"
# Tab reaches the options; Space sets one, which goes into Ferrolume's file.
xdotool key Tab
focus "check box" "Ferrolume is Always on Top"
xdotool key space
sleep 0.3
grep -qix 'AlwaysOnTop=1' "$app/skins/Ferrolume/Ferrolume.ini" || e2e_fail "Space did not set Ferrolume's option"
# The hot-key question: its text field is named by the prompt and has the
# focus; Enter takes what was typed.
xdotool key Tab Tab
focus "push button" "Change Ferrolume's Hotkey"
xdotool key Return
question='Hotkey Assignment'
atspi window Quorvex "$question" || e2e_fail "Enter did not ask for the hot key"
prompt="Enter the hotkey combination you would like to use for the Ferrolume skin."
focus text "$(atspi showing Quorvex "$question" | awk -F'\t' -v p="$prompt" '$2 == "text" && index($3, p) == 1 {print $3}')"
xdotool key ctrl+a type 'ctrl+f6'
xdotool key Return
atspi gone Quorvex "$question" || e2e_fail "Enter did not close the question"
grep -qx 'HotKey=ctrl+f6' "$app/skins/Ferrolume/Ferrolume.ini" || e2e_fail "the hot key typed was not stored"
# A message box: Enter on its OK closes it and gives the chooser back.
xdotool key Tab
focus "push button" "How can I create my own skins?"
xdotool key Return
focus "push button" OK
xdotool key Return
focus "push button" "How can I create my own skins?"
# Escape closes the chooser without choosing.
xdotool key Escape
atspi gone Quorvex "$chooser_title" || e2e_fail "Escape did not close the chooser"
! grep -qix 'StartupSkin=Ferrolume' "$app/Quorvex.ini" 2>/dev/null || e2e_fail "Escape chose the skin"
kill -0 "$launcher" || e2e_fail "the launcher ended with the chooser"


# The about window, which a right click opens, takes the keys at once:
# Enter presses its Help button, and Escape closes the helper that opens.
read -r wx wy ww wh < <(e2e_geometry "$window")
xdotool mousemove $((wx + ww / 2)) $((wy + wh - 80)) click 3
atspi window Quorvex "About Quorvex" || e2e_fail "a right click did not open the about window"
focus "push button" Help
xdotool key Return
atspi window Quorvex " Just Starting Out?" || e2e_fail "Enter on Help did not open the helper"
focus "push button" Ok
xdotool key Escape
atspi gone Quorvex " Just Starting Out?" || e2e_fail "Escape did not close the helper"

[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/focus-mark.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo PASS
