#!/usr/bin/env bash
# Hovering a launch button shows its style's pointer-over picture on screen,
# and leaving it brings the up picture back.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories"
printf '[InternetShortcut]\nURL=https://example.org/\n' > "$app/shortcuts/Accessories/Example.url"
skin=$app/skins/Slatewise

e2e_start_launcher "$app"
sleep 1
read -r x y _ _ < <(e2e_geometry "$window")

# The first launch button of the first section; a pixel near its corner, away
# from the centred icon, that differs between the up and pointer-over pictures.
section() { sed -n '/^\[Section00\]/,/^\[/p' "$skin/Slatewise.ini" | grep -i "^$1=" | cut -d= -f2 | tr -d '\r '; }
bx=$(section Button00Left) by=$(section Button00Top)
px=4 py=4
up=$(x11_pixel "$skin/style000_1.bmp" $px $py)
over=$(x11_pixel "$skin/style000_2.bmp" $px $py)
[ "$up" != "$over" ] || e2e_fail "the skin's up and pointer-over pictures agree at $px,$py ($up)"

shot=$app/screen.png
x11_screenshot "$shot"
[ "$(x11_pixel "$shot" $((x + bx + px)) $((y + by + py)))" = "$up" ] || e2e_fail "the button does not show its up picture"

# wait_pixel COLOUR: the button's pixel takes that colour within two seconds.
wait_pixel() {
  for _ in $(seq 1 20); do
    sleep 0.1
    x11_screenshot "$shot"
    seen=$(x11_pixel "$shot" $((x + bx + px)) $((y + by + py)))
    [ "$seen" = "$1" ] && return 0
  done
  return 1
}

xdotool mousemove $((x + bx + 20)) $((y + by + 20))
wait_pixel "$over" || e2e_fail "hovered button shows $seen, the pointer-over picture has $over"
xdotool mousemove $((x + 100)) $((y + 20))
wait_pixel "$up" || e2e_fail "after leaving, the button shows $seen instead of its up picture $up"

e2e_stop_launcher
echo PASS
