#!/usr/bin/env bash
# A shortcut named like markup shows its name, not big red letters, and a
# skin description holding a picture tag shows the tag, not the picture.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-actions.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories" "$app/shortcuts/Games"
printf '[InternetShortcut]\nURL=https://example.org/\n' >"$app/shortcuts/Accessories/<font color=red size=7>BIG.url"
convert -size 96x96 xc:'#ff0000' "$app/red.png"
sed -i "s|^SkinDescription=.*|SkinDescription=<img src=\"$app/red.png\">|" "$app/skins/Slatewise/Slatewise.ini"

# red_pixels FILE X Y W H: how many strongly red pixels the area holds.
red_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -fx '(r>0.75 && g<0.3 && b<0.3) ? 1 : 0' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

e2e_start_launcher "$app"
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")
x11_screenshot "$app/window.png"
[ "$(red_pixels "$app/window.png" "$wx" "$wy" "$ww" "$wh")" = 0 ] || e2e_fail "the caption is drawn as markup"
# The caption itself is there: the label under tile 0 (at 17,82+46, 64 x 16) is not bare background.
shown=$(convert "$app/window.png" -crop "64x16+$((wx + 17))+$((wy + 82 + 46))" +repage -format '%#' info:)
bare=$(convert "$app/skins/Slatewise/Slatewise.bmp" -crop "64x16+17+128" +repage -format '%#' info:)
[ "$shown" != "$bare" ] || e2e_fail "no caption under the launch button"

e2e_open_chooser
x11_screenshot "$app/chooser.png"
[ "$(red_pixels "$app/chooser.png" "$cx" "$cy" "$cw" "$ch")" = 0 ] || e2e_fail "the description shows the picture"

[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/window.png" "$app/chooser.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo "PASS"
