#!/usr/bin/env bash
# Real drags from another program: a shortcut dropped on the window
# background lands in the current section and shows up as its first launch
# button at once; a drag held still over the Games section button switches to
# Games, and the desktop entry dropped there lands in Games' folder; a text
# file is refused with its message.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-actions.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories" "$app/shortcuts/Games" "$app/shortcuts/Software" "$app/outside"
cat >"$app/outside/Editor.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Editor
Exec=/bin/true %F
DESKTOP
printf '[InternetShortcut]\nURL=https://example.org/\n' >"$app/outside/Atlas.url"
echo "not a shortcut" >"$app/outside/notes.txt"

trap 'kill $(jobs -p) 2>/dev/null || true; e2e_cleanup; x11_session_stop' EXIT
e2e_start_launcher "$app"
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")

# Launch button 0 of the current section (Accessories, empty so far) sits at 17,82.
tile=$app/skins/Slatewise/style000_1.bmp
expected=$(x11_pixel "$tile" 3 3)
x11_screenshot "$app/before.png"
[ "$(x11_pixel "$app/before.png" $((wx + 20)) $((wy + 85)))" != "$expected" ] || e2e_fail "a tile is shown before the drop"

drag_file "$app/outside/Atlas.url" $((wx + 8)) $((wy + 200))
[ -f "$app/shortcuts/Accessories/Atlas.url" ] || e2e_fail "the shortcut dropped on the window was not added"
x11_screenshot "$app/after.png"
seen=$(x11_pixel "$app/after.png" $((wx + 20)) $((wy + 85)))
[ "$seen" = "$expected" ] || e2e_fail "no launch button after the drop (pixel $seen, tile $expected)"

# Section button 1 (Games) is 68 x 27 at 84,48; its row 2 tells the current
# look from the up look.
games_x=$((wx + 84 + 34)) games_y=$((wy + 48 + 13))
current=$(x11_pixel "$app/skins/Slatewise/section01_2.bmp" 34 2)
drag_file "$app/outside/Editor.desktop" "$games_x" "$games_y" 2
x11_screenshot "$app/games.png"
[ "$(x11_pixel "$app/games.png" "$games_x" $((wy + 48 + 2)))" = "$current" ] ||
  e2e_fail "holding the drag over Games did not switch to it"
[ -f "$app/shortcuts/Games/Editor.desktop" ] || e2e_fail "the desktop entry was not added to Games"
cmp -s "$app/outside/Editor.desktop" "$app/shortcuts/Games/Editor.desktop" || e2e_fail "the copy differs"
[ -f "$app/outside/Editor.desktop" ] || e2e_fail "the dragged file was moved, not copied"
grep -qx copy "$app/dragsource.log" || e2e_fail "the drop was not answered with copy: $(cat "$app/dragsource.log")"

# A text file is refused with a message, and nothing is copied.
drag_file "$app/outside/notes.txt" "$games_x" "$games_y"
box=$(e2e_message_box "$window")
[ -n "$box" ] || e2e_fail "no message about the text file"
x11_screenshot "$app/message.png"
e2e_dismiss "$box"
[ ! -e "$app/shortcuts/Games/notes.txt" ] || e2e_fail "the text file was copied"

[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/before.png" "$app/after.png" "$app/games.png" "$app/message.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo "PASS"
