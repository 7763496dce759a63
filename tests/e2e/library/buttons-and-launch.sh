#!/usr/bin/env bash
# A section holding three desktop entries shows three launch buttons with
# icons and captions; clicking one starts its program with its arguments.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app

# Three programs that leave a mark of how they were started.
section=$app/shortcuts/Accessories
mkdir -p "$section" "$app/shortcuts/Games" "$app/shortcuts/Software"
for name in Alpha Beta Gamma; do
  cat > "$app/$name.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" > "$app/$name.started"
SCRIPT
  chmod +x "$app/$name.sh"
  cat > "$section/$name.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=$name
Exec=$app/$name.sh --from-launcher "two words"
Icon=utilities-terminal
ENTRY
done

e2e_start_launcher "$app"
sleep 1
read -r x y _ _ < <(e2e_geometry "$window")

# Slot positions of the first section, from the skin.
ini=$app/skins/Slatewise/Slatewise.ini
slot() { sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i "^Button0$1$2=" | cut -d= -f2 | tr -d '\r '; }
read -r tile_w tile_h < <(identify -format '%w %h\n' "$app/skins/Slatewise/style000_1.bmp")

shot=$app/screen.png
x11_screenshot "$shot"
background=$app/skins/Slatewise/Slatewise.bmp
differs_from_background() {
  local left top
  left=$(slot "$1" Left); top=$(slot "$1" Top)
  local crop="${tile_w}x${tile_h}+$((x + left))+$((y + top))"
  local shown expected
  shown=$(convert "$shot" -crop "$crop" +repage -format '%#' info:)
  expected=$(convert "$background" -crop "${tile_w}x${tile_h}+$left+$top" +repage -format '%#' info:)
  [ "$shown" != "$expected" ]
}
for i in 0 1 2; do
  differs_from_background "$i" || e2e_fail "no launch button in slot $i"
done
differs_from_background 3 && e2e_fail "slot 3 shows a button but the section has three shortcuts"

# Click the second button (Beta).
left=$(slot 1 Left); top=$(slot 1 Top)
xdotool mousemove $((x + left + tile_w / 2)) $((y + top + tile_h / 2))
sleep 0.3
xdotool click 1
e2e_wait_file "$app/Beta.started" "clicking the Beta button did not start its program"
[ "$(cat "$app/Beta.started")" = "$(printf -- '--from-launcher\ntwo words')" ] \
  || e2e_fail "Beta started with the wrong arguments: $(cat "$app/Beta.started")"
[ ! -f "$app/Alpha.started" ] && [ ! -f "$app/Gamma.started" ] || e2e_fail "another program started too"

e2e_stop_launcher
echo PASS
