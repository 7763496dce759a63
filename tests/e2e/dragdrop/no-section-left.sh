#!/usr/bin/env bash
# Every section folder deleted behind the launcher's back, a section button
# pressed (the refresh leaves no section current), then a shortcut dropped
# on the window: the drop is refused with the file-error message and the
# launcher keeps running; the same after new folders appear while no
# section is current.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-actions.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories" "$app/shortcuts/Games" "$app/shortcuts/Software" "$app/outside"
printf '[InternetShortcut]\nURL=https://example.org/\n' >"$app/outside/Atlas.url"
file_error="Some files could not be copied because they already exist, are read-only, or some other file error."

trap 'kill $(jobs -p) 2>/dev/null || true; e2e_cleanup; x11_session_stop' EXIT
e2e_start_launcher "$app"
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")

rm -rf "$app/shortcuts/"*
# Section button 1 (Games) is 68 x 27 at 84,48.
xdotool mousemove $((wx + 84 + 34)) $((wy + 48 + 13))
sleep 0.3
xdotool click 1
sleep 2

# drop_and_expect_file_error WHAT: drops Atlas.url on the window background.
drop_and_expect_file_error() {
  local before
  before=$(grep -cF "$file_error" "$app/stderr.log" || true)
  drag_file "$app/outside/Atlas.url" $((wx + 8)) $((wy + 200))
  kill -0 "$launcher" 2>/dev/null || e2e_fail "$1: the launcher ended: $(tail -n 5 "$app/stderr.log")"
  local box
  box=$(e2e_message_box "$window")
  [ -n "$box" ] || e2e_fail "$1: no message"
  [ "$(grep -cF "$file_error" "$app/stderr.log")" -gt "$before" ] ||
    e2e_fail "$1: not the file-error message: $(tail -n 3 "$app/stderr.log")"
  x11_screenshot "$app/$2.png"
  e2e_dismiss "$box"
  kill -0 "$launcher" 2>/dev/null || e2e_fail "$1: the launcher ended after the message"
}

drop_and_expect_file_error "no folders left" no-folders
mkdir -p "$app/shortcuts/Fresh"
drop_and_expect_file_error "a new folder, none current" new-folder
[ -z "$(find "$app/shortcuts" -type f)" ] || e2e_fail "something was copied: $(find "$app/shortcuts" -type f)"
xdotool search --onlyvisible --name '^Quorvex$' | grep -qx "$window" || e2e_fail "the launcher window is gone"

[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/no-folders.png" "$app/new-folder.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo "PASS"
