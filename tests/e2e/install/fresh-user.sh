#!/usr/bin/env bash
# Installed with `cmake --install` into a prefix of its own and run by a user
# with empty home folders and no QUORVEX_* settings: the launcher fills its
# per-user folder from the installed skins, finds its component libraries
# through the installed registry (its window is cut to shape and comes up),
# stores where it was dragged in the user's copy of the skin, and writes
# nothing under the prefix. A prefix moved as a whole keeps working, and a
# staged install (DESTDIR) does not record where it was staged.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-install-XXXXXX")
e2e_cleanup_dirs+=("$scratch")
trap 'e2e_cleanup; x11_session_stop' EXIT
prefix=$scratch/prefix
home=$scratch/home
mkdir -p "$home" "$scratch/runtime"
chmod 700 "$scratch/runtime"

cmake --install "$QUORVEX_BINARY_DIR" --prefix "$prefix" >"$scratch/install.log" 2>&1 \
  || e2e_fail "cmake --install failed: $(cat "$scratch/install.log")"

libdir=$(cd "$prefix" && find . -path '*/quorvex/libshape.so' -printf '%h\n' | sed 's|^\./||')
for file in bin/quorvex bin/quorvex-regserver bin/quorvex-hotkey-host \
            "$libdir/libshape.so" "$libdir/libhotkey.so" \
            share/quorvex/skins/Slatewise/Slatewise.ini share/quorvex/skins/Ferrolume/Ferrolume.ini \
            share/quorvex/nothumb.bmp share/quorvex/SKINS.TXT share/quorvex/classes-root.ini \
            share/applications/quorvex.desktop share/icons/hicolor/scalable/apps/quorvex.svg \
            share/icons/hicolor/48x48/apps/quorvex.png share/man/man1/quorvex.1 \
            share/doc/quorvex/README.md share/doc/quorvex/SKINS.TXT; do
  [ -f "$prefix/$file" ] || e2e_fail "not installed: $file"
done
[ "$(identify -format '%w %h %m' "$prefix/share/icons/hicolor/48x48/apps/quorvex.png")" = "48 48 PNG" ] \
  || e2e_fail "the 48 px icon is not a 48 px PNG"
metainfo=$(find "$prefix/share/metainfo" -name '*.metainfo.xml')
[ -n "$metainfo" ] || e2e_fail "no metainfo installed"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 \
    || e2e_fail "metainfo does not validate: $(cat "$scratch/appstream.log")"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/quorvex.desktop" \
    || e2e_fail "the menu entry does not validate"
fi
# The installed registry names the libraries relative to itself.
grep -q '^@=\.\./.*/quorvex/libshape\.so$' "$prefix/share/quorvex/classes-root.ini" \
  || e2e_fail "installed registry: $(grep -A1 InprocServer32 "$prefix/share/quorvex/classes-root.ini")"

# A staged install (as packages are built) records no staging path.
DESTDIR=$scratch/stage cmake --install "$QUORVEX_BINARY_DIR" --prefix /opt/quorvex >"$scratch/stage.log" 2>&1 \
  || e2e_fail "staged install failed: $(cat "$scratch/stage.log")"
staged=$scratch/stage/opt/quorvex/share/quorvex/classes-root.ini
grep -q 'libshape\.so$' "$staged" || e2e_fail "the staged registry names no library"
grep -q "$scratch" "$staged" && e2e_fail "the staged registry names the staging folder: $(grep "$scratch" "$staged")"

# prefix_listing: every path under the prefix with its size, mode and time.
prefix_listing() {
  (cd "$1" && find . -printf '%p %s %m %T@\n' | sort)
}
before=$(prefix_listing "$prefix")

x11_session_start 1024x768

# as_new_user PROGRAM ARGS...: runs with nothing but a display and empty
# home folders; no QUORVEX_* variable reaches it.
as_new_user() {
  env -i PATH="$PATH" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb HOME="$home" \
    XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$scratch/runtime" "$@"
}
user=$home/data/quorvex
ini=$user/skins/Slatewise/Slatewise.ini

start_installed() {
  as_new_user "$1/bin/quorvex" >"$scratch/stdout.log" 2>"$scratch/stderr.log" &
  launcher=$!
  window=$(x11_wait_window Quorvex 30) || e2e_fail "no launcher window; stderr: $(cat "$scratch/stderr.log")"
  sleep 1
}
quit_installed() {
  as_new_user "$1/bin/quorvex" --quit || e2e_fail "--quit found no launcher"
  local status=0
  wait "$launcher" || status=$?
  [ "$status" -eq 0 ] || e2e_fail "the launcher exited with $status; stderr: $(cat "$scratch/stderr.log")"
}

start_installed "$prefix"

# The per-user folder was filled from the installed data.
for file in skins/Slatewise/Slatewise.ini skins/Slatewise/Slatewise.bmp skins/Ferrolume/Ferrolume.ini \
            nothumb.bmp SKINS.TXT; do
  [ -f "$user/$file" ] || e2e_fail "per-user folder lacks $file"
done
[ -d "$user/shortcuts" ] || e2e_fail "no shortcuts folder in the per-user folder"

# The magenta corner is cut away: the shape library was found and loaded.
read -r x y w h < <(e2e_geometry "$window")
x11_screenshot "$scratch/screen.png"
[ "$(x11_pixel "$scratch/screen.png" "$x" "$y")" = "0,0,0" ] \
  || e2e_fail "the window is not cut to its skin's outline; stderr: $(cat "$scratch/stderr.log")"

# Drag the window by its title band to 200,180.
grip_x=100 grip_y=20
xdotool mousemove $((x + grip_x)) $((y + grip_y))
sleep 0.2
xdotool mousedown 1
for i in $(seq 1 12); do
  xdotool mousemove $((x + grip_x + (200 - x) * i / 12)) $((y + grip_y + (180 - y) * i / 12))
  sleep 0.04
done
sleep 0.3
xdotool mouseup 1
sleep 0.5
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x" = 200 ] && [ "$y" = 180 ] || e2e_fail "dragged window at $x,$y, expected 200,180"
quit_installed "$prefix"
grep -q '^StartupLeft=200$' "$ini" && grep -q '^StartupTop=180$' "$ini" \
  || e2e_fail "position not stored in the user's copy: $(grep -i '^Startup' "$ini" || true)"
grep -qi '^StartupLeft' "$prefix/share/quorvex/skins/Slatewise/Slatewise.ini" \
  && e2e_fail "the installed skin was written to"

[ "$before" = "$(prefix_listing "$prefix")" ] \
  || e2e_fail "the prefix changed: $(diff <(echo "$before") <(prefix_listing "$prefix") || true)"

# Moved as a whole, the install still finds its data and its libraries, and
# the user's folder brings the window back where it was left.
mv "$prefix" "$scratch/moved"
start_installed "$scratch/moved"
read -r x y _ _ < <(e2e_geometry "$window")
[ "$x" = 200 ] && [ "$y" = 180 ] || e2e_fail "after the move the window opened at $x,$y"
x11_screenshot "$scratch/screen.png"
[ "$(x11_pixel "$scratch/screen.png" "$x" "$y")" = "0,0,0" ] \
  || e2e_fail "after the move the window is not cut to shape; stderr: $(cat "$scratch/stderr.log")"
quit_installed "$scratch/moved"
[ "$before" = "$(prefix_listing "$scratch/moved")" ] || e2e_fail "the moved prefix changed"
echo PASS
