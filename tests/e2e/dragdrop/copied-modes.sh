#!/usr/bin/env bash
# Dropped shortcuts are copied the way cp copies: a set-uid, set-gid,
# world-writable file arrives without those bits, and the umask applies.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-actions.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories" "$app/shortcuts/Games" "$app/outside"
printf '[InternetShortcut]\nURL=https://example.org/\n' >"$app/outside/Open.url"
printf '[InternetShortcut]\nURL=https://example.org/\n' >"$app/outside/Shared.url"
chmod 6777 "$app/outside/Open.url"
chmod 0666 "$app/outside/Shared.url"

trap 'kill $(jobs -p) 2>/dev/null || true; e2e_cleanup; x11_session_stop' EXIT
umask 027
e2e_start_launcher "$app"
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")

drag_file "$app/outside/Open.url" $((wx + 8)) $((wy + 200))
drag_file "$app/outside/Shared.url" $((wx + 8)) $((wy + 200))
for name in Open Shared; do
  [ -f "$app/shortcuts/Accessories/$name.url" ] || e2e_fail "$name.url was not added"
done
[ "$(stat -c %a "$app/shortcuts/Accessories/Open.url")" = 750 ] ||
  e2e_fail "Open.url copied as $(stat -c %a "$app/shortcuts/Accessories/Open.url"), not 750"
[ "$(stat -c %a "$app/shortcuts/Accessories/Shared.url")" = 640 ] ||
  e2e_fail "Shared.url copied as $(stat -c %a "$app/shortcuts/Accessories/Shared.url"), not 640"

e2e_stop_launcher
echo "PASS"
