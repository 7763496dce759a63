#!/usr/bin/env bash
# Without the pointer: Tab moves to the second launch button, Enter starts
# its program, and Ctrl+PgDn pages to the next section.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app

section=$app/shortcuts/Accessories
mkdir -p "$section" "$app/shortcuts/Games" "$app/shortcuts/Software"
# Each program only leaves a file behind to say it ran.
for name in Alpha Beta; do
  printf '#!/bin/sh\ntouch "%s"\n' "$app/$name.started" > "$app/$name.sh"
  chmod +x "$app/$name.sh"
  printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\n' "$name" "$app/$name.sh" > "$section/$name.desktop"
done

e2e_start_launcher "$app"
sleep 1
read -r x y _ _ < <(e2e_geometry "$window")
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.3

# The window comes up with its first button focused: one Tab reaches Beta.
xdotool key Tab
sleep 0.2
xdotool key Return
e2e_wait_file "$app/Beta.started" "Tab and Enter did not start the Beta program"
[ ! -f "$app/Alpha.started" ] || e2e_fail "Alpha started too"

# The Games section holds nothing: after paging, the first slot shows the
# window's own background instead of a launch button.
ini=$app/skins/Slatewise/Slatewise.ini
left=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Button00Left=' | cut -d= -f2 | tr -d '\r ')
top=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Button00Top=' | cut -d= -f2 | tr -d '\r ')
read -r tile_w tile_h < <(identify -format '%w %h\n' "$app/skins/Slatewise/style000_1.bmp")
slot_pixels() {
  x11_screenshot "$app/screen.png"
  convert "$app/screen.png" -crop "${tile_w}x${tile_h}+$((x + left))+$((y + top))" +repage -format '%#' info:
}
before=$(slot_pixels)
xdotool key ctrl+Next
sleep 0.5
after=$(slot_pixels)
[ "$before" != "$after" ] || e2e_fail "Ctrl+PgDn did not switch to the next section"
xdotool key ctrl+Prior
sleep 0.5
[ "$(slot_pixels)" = "$before" ] || e2e_fail "Ctrl+PgUp did not come back to the first section"

e2e_stop_launcher
echo PASS
