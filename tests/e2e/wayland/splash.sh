#!/usr/bin/env bash
# The splash on a Wayland desktop is cut to its outline on screen too: as a
# Wayland client no pixel of it is magenta or black (what its cut-away
# parts showed), and through Xwayland its cut-away corner shows the desktop.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
e2e_begin_weston app
# Slow pauses keep the splash up long enough to look at.
export QUORVEX_PAUSE_SCALE=3

# count_colour IMAGE COLOUR: how many pixels of IMAGE have exactly COLOUR.
count_colour() {
  convert "$1" -alpha off -fill '#010203' +opaque "$2" -fill white -opaque "$2" -fill black -opaque '#010203' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# splash_up MODE: starts the launcher and waits until its splash is on the
# desktop; sets `seen` (the screenshot) and `box` (what changed).
splash_up() {
  local before=$app/desktop-before.png
  weston_park_pointer
  weston_screenshot "$before"
  seen=$app/splash-$1.png
  e2e_run_launcher "$app"
  box=$(weston_wait_window "$before" "$seen" 30) || e2e_fail "$1: no splash; stderr: $(cat "$app/stderr.log")"
}

e2e_launcher_prefix=(env -u DISPLAY)
splash_up native
read -r x y w h <<<"$box"
convert "$seen" -crop "${w}x${h}+${x}+${y}" +repage "$app/splash.png"
for colour in '#FF00FF' '#000000'; do
  n=$(count_colour "$app/splash.png" "$colour")
  [ "$n" = 0 ] || e2e_fail "native: $n pixels of the splash are $colour"
done
e2e_weston_stop_launcher
echo "ok: native"

e2e_launcher_prefix=(env "DISPLAY=$weston_xwayland_display")
splash_up xwayland
splash=$(DISPLAY=$weston_xwayland_display x11_wait_window 'Quorvex Splash' 5) || e2e_fail "xwayland: no splash window"
read -r x y w h < <(DISPLAY=$weston_xwayland_display e2e_geometry "$splash")
convert "$seen" -crop 4x4+$((x + 1))+$((y + 1)) +repage "$app/corner.png"
weston_desktop_like "$app/corner.png" "$app/corner-desktop.png"
[ "$(convert "$app/corner-desktop.png" -format '%[fx:int(mean*w*h+0.5)]' info:)" = 16 ] ||
  e2e_fail "xwayland: the splash's cut-away corner shows $(x11_pixel "$app/corner.png" 0 0), not the desktop"
e2e_weston_stop_launcher
echo "ok: xwayland"
echo PASS
