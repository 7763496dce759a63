#!/usr/bin/env bash
# Where the window was dragged to is stored in the skin's file; that file is
# often a symbolic link into a folder of kept settings, or made read-only on
# purpose. A linked file gets the position written into the link's target
# (the link stays a link); a read-only one is left byte for byte as it was,
# with its mode, owner and inode, after a drag and a close. The read-only
# part runs as an unprivileged user when the test can switch to one.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories"
skin=$app/skins/Slatewise
original=$app/Slatewise.ini.original
cp "$skin/Slatewise.ini" "$original"

# drag_window DX DY: drags the window by a spot of its title band that no
# button covers, in small steps, and lets go.
drag_window() {
  local x y
  read -r x y _ _ < <(e2e_geometry "$window")
  xdotool mousemove $((x + 100)) $((y + 20))
  sleep 0.2
  xdotool mousedown 1
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove_relative -- $(($1 / 10)) $(($2 / 10))
    sleep 0.04
  done
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

# --- A linked skin file -------------------------------------------------
mkdir -p "$app/kept"
mv "$skin/Slatewise.ini" "$app/kept/Slatewise.ini"
ln -s ../../kept/Slatewise.ini "$skin/Slatewise.ini"

e2e_start_launcher "$app"
sleep 1
drag_window 150 120
read -r x y _ _ < <(e2e_geometry "$window")
e2e_stop_launcher

[ -L "$skin/Slatewise.ini" ] || e2e_fail "the skin file's link was replaced by a plain file"
grep -q "^StartupLeft=$x\$" "$app/kept/Slatewise.ini" \
  || e2e_fail "StartupLeft=$x not in the link's target: $(grep -i startup "$app/kept/Slatewise.ini" || true)"
grep -q "^StartupTop=$y\$" "$app/kept/Slatewise.ini" \
  || e2e_fail "StartupTop=$y not in the link's target: $(grep -i startup "$app/kept/Slatewise.ini" || true)"

# --- A read-only skin file ----------------------------------------------
rm "$skin/Slatewise.ini"
cp "$original" "$skin/Slatewise.ini"
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  # The user owns the program folder (it may write there) but not the file.
  mkdir -p "$app/home"
  chmod 755 "$(dirname "$app")" 2>/dev/null || true
  chmod 755 "$app"
  chown -R 65534:65534 "$app"
  chown 0:0 "$skin/Slatewise.ini"
  e2e_launcher_prefix=(env HOME="$app/home" setpriv --reuid=65534 --regid=65534 --clear-groups)
  as="as an unprivileged user"
else
  as="as $(id -un)"
fi
chmod 444 "$skin/Slatewise.ini"
before="$(sha256sum < "$skin/Slatewise.ini") $(stat -c '%i %a %u' "$skin/Slatewise.ini")"

e2e_start_launcher "$app"
sleep 1
read -r x0 y0 _ _ < <(e2e_geometry "$window")
drag_window 120 90
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x,$y" != "$x0,$y0" ] || e2e_fail "the window did not move ($as)"
e2e_stop_launcher

after="$(sha256sum < "$skin/Slatewise.ini") $(stat -c '%i %a %u' "$skin/Slatewise.ini")"
[ "$after" = "$before" ] || e2e_fail "the read-only skin file changed ($as): $before -> $after"
echo "PASS ($as)"
