#!/usr/bin/env bash
# One launcher per program folder: a second start hands over to the running
# one, which comes to the front; --raise, --refresh and --quit reach it; a
# killed launcher leaves nothing that stops the next one; another program
# folder runs its own launcher beside it.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-cover.sh"
e2e_begin app
ini=$app/skins/Slatewise/Slatewise.ini

# quorvex_in APP ARGS...: runs the program of APP as a user would.
quorvex_in() {
  QUORVEX_CLASSES_ROOT=$1/classes-root.ini "$1/quorvex" "${@:2}"
}
window_count() {
  xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null | wc -l
}

# With none running, a command says so and fails.
status=0
quorvex_in "$app" --raise 2>"$app/raise.err" || status=$?
[ "$status" -eq 1 ] || e2e_fail "--raise with no launcher exited $status"
[ "$(wc -l <"$app/raise.err")" -eq 1 ] && grep -q "no launcher is running" "$app/raise.err" \
  || e2e_fail "--raise with no launcher said: $(cat "$app/raise.err")"

sed -i 's/^AlwaysOnTop=.*/AlwaysOnTop=0/I' "$ini"
e2e_start_launcher "$app"
sleep 1.5
e2e_cover_open

# A second launcher on the same folder hands over and ends.
e2e_cover_launcher
status=0
QUORVEX_CLASSES_ROOT=$app/classes-root.ini timeout 30 "$app/quorvex" || status=$?
[ "$status" -eq 0 ] || e2e_fail "the second launcher exited $status"
x11_wait_until -t 5 x11_above "$window" "$cover" || e2e_fail "the second start did not bring the first forward"
[ "$(window_count)" -eq 1 ] || e2e_fail "two launcher windows on one folder"
kill -0 "$launcher" || e2e_fail "the first launcher ended"

e2e_cover_launcher
quorvex_in "$app" --raise || e2e_fail "--raise failed"
x11_wait_until -t 5 x11_above "$window" "$cover" || e2e_fail "--raise did not bring the launcher forward"

# --refresh reads the library again: a shortcut added behind the launcher's
# back shows as a launch button in the first slot.
slot_crop() {
  local left top width height x y
  left=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Button00Left=' | cut -d= -f2 | tr -d '\r ')
  top=$(sed -n '/^\[Section00\]/,/^\[Section01\]/p' "$ini" | grep -i '^Button00Top=' | cut -d= -f2 | tr -d '\r ')
  read -r width height < <(identify -format '%w %h\n' "$app/skins/Slatewise/style000_1.bmp")
  read -r x y _ _ < <(e2e_geometry "$window")
  x11_screenshot "$app/shot.png"
  convert "$app/shot.png" -crop "${width}x${height}+$((x + left))+$((y + top))" +repage -format '%#' info:
}
before=$(slot_crop)
cat > "$app/shortcuts/Accessories/Added.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Added
Exec=true
Icon=utilities-terminal
ENTRY
sleep 0.5
[ "$(slot_crop)" = "$before" ] || e2e_fail "the launcher changed before --refresh"
quorvex_in "$app" --refresh || e2e_fail "--refresh failed"
changed() { [ "$(slot_crop)" != "$before" ]; }
x11_wait_until -t 10 changed || e2e_fail "--refresh did not show the added shortcut"

# Another program folder has a launcher of its own.
e2e_make_app other
QUORVEX_PAUSE_SCALE=0.1 quorvex_in "$other" >"$other/stdout.log" 2>&1 &
other_pid=$!
x11_wait_until -t 30 sh -c '[ "$(xdotool search --onlyvisible --name "^Quorvex\$" 2>/dev/null | wc -l)" -ge 2 ]' \
  || e2e_fail "a launcher on another folder did not open: $(cat "$other/stdout.log")"
quorvex_in "$other" --quit || e2e_fail "--quit on the other folder failed"
wait "$other_pid" 2>/dev/null || true
kill -0 "$launcher" || e2e_fail "quitting the other folder's launcher ended this one"

# --quit closes as the exit button does: the skin file then holds the state.
sed -i '/^Shaded=/Id' "$ini"
quorvex_in "$app" --quit || e2e_fail "--quit failed"
deadline=$((SECONDS + 15))
while kill -0 "$launcher" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || e2e_fail "--quit did not end the launcher"
  sleep 0.1
done
grep -qi '^Shaded=' "$ini" || e2e_fail "--quit did not store the shade state"

# A killed launcher leaves its socket behind; the next one starts anyway.
e2e_start_launcher "$app"
kill -9 "$launcher"
wait "$launcher" 2>/dev/null || true
status=0
quorvex_in "$app" --raise 2>/dev/null || status=$?
[ "$status" -eq 1 ] || e2e_fail "--raise after the launcher was killed exited $status"
e2e_start_launcher "$app"
quorvex_in "$app" --raise || e2e_fail "--raise to the launcher started after a killed one failed"
e2e_cover_close
e2e_stop_launcher
echo PASS
