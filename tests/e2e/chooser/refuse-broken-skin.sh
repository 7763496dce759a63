#!/usr/bin/env bash
# Choosing a skin folder that holds nothing shows why it cannot be loaded;
# the launcher keeps its skin, nothing is stored, and the next start comes
# up as before.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-actions.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories" "$app/skins/Broken"
ini_before=$(cat "$app/Quorvex.ini" 2>/dev/null || true)
e2e_start_launcher "$app"
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")

e2e_open_chooser
# The list is at 12,12; Broken sorts first. "Choose this skin" is 120 x 30 at 292,394.
xdotool mousemove $((cx + 12 + 40)) $((cy + 12 + 8)) click 1
sleep 0.5
xdotool mousemove $((cx + 292 + 60)) $((cy + 394 + 15)) click 1
sleep 1

box=$(e2e_message_box "$window")
[ -n "$box" ] || e2e_fail "no message about the broken skin"
grep -qF "The skin Broken cannot be loaded" "$app/stderr.log" || e2e_fail "no reasons: $(tail -n 5 "$app/stderr.log")"
grep -qF "missing Broken.bmp" "$app/stderr.log" || e2e_fail "the reasons do not name the missing background"
x11_screenshot "$app/refused.png"
e2e_dismiss "$box"
kill -0 "$launcher" 2>/dev/null || e2e_fail "the launcher ended"
[ "$(cat "$app/Quorvex.ini" 2>/dev/null || true)" = "$ini_before" ] || e2e_fail "Quorvex.ini changed: $(cat "$app/Quorvex.ini")"
# "&Cancel" is 92 x 30 at 420,394.
xdotool mousemove $((cx + 420 + 46)) $((cy + 394 + 15)) click 1
sleep 0.5

e2e_stop_launcher
e2e_start_launcher "$app"
sleep 1
grep -q "Cannot load skin" "$app/stderr.log" && e2e_fail "the next start cannot load its skin"
read -r _ _ w2 h2 < <(e2e_geometry "$window")
[ "${w2}x${h2}" = "${ww}x${wh}" ] || e2e_fail "the next start is ${w2}x${h2}, not ${ww}x${wh}"

[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/refused.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo "PASS"
