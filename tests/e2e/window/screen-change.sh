#!/usr/bin/env bash
# A launcher left near the right edge of a 1280x800 screen stays within
# reach when the screen shrinks to 1024x768 while it runs (less than 32
# pixels of it would show): it moves flush to the new right edge, keeps its
# height, and the position stored in the skin file stays where the user left
# the window. Growing the screen again moves nothing.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/x11-stacking.sh"

e2e_make_app app
x11_session_start_resizable 1280x800
trap 'e2e_cleanup; x11_session_stop' EXIT
mkdir -p "$app/shortcuts/Accessories"
ini=$app/skins/Slatewise/Slatewise.ini
read -r w h < <(identify -format '%w %h\n' "$app/skins/Slatewise/Slatewise.bmp")
left=1000 # 24 pixels of it are left on a 1024-pixel-wide screen
printf '\n[UserSettings]\nStartupLeft=%d\nStartupTop=300\n' $left >>"$ini"

e2e_start_launcher "$app"
sleep 0.5
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x" = $left ] && [ "$y" = 300 ] || e2e_fail "launcher at $x,$y, expected $left,300"

xrandr -s 1024x768
x11_wait_until sh -c "xdpyinfo | grep -q 'dimensions: *1024x768'" || e2e_fail "the screen did not shrink"
expected="$((1024 - w)) 300"
at_expected() {
  local x y
  read -r x y _ _ < <(e2e_geometry "$window")
  [ "$x $y" = "$expected" ]
}
x11_wait_until at_expected ||
  e2e_fail "after the screen shrank the launcher is at $(e2e_geometry "$window"), expected $expected"
x11_screenshot "$app/shrunk.png"

xrandr -s 1280x800
x11_wait_until sh -c "xdpyinfo | grep -q 'dimensions: *1280x800'" || e2e_fail "the screen did not grow"
sleep 1
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x $y" = "$expected" ] || e2e_fail "growing the screen moved the launcher to $x,$y"

e2e_stop_launcher
grep -qx "StartupLeft=$left" "$ini" && grep -qx 'StartupTop=300' "$ini" ||
  e2e_fail "the stored position was rewritten: $(grep -i '^startup' "$ini" | tr '\n' ' ')"
[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/shrunk.png" "$QUORVEX_E2E_SHOTS/" || true
echo PASS
