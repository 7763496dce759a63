#!/usr/bin/env bash
# Live reload: the launcher runs on the program folder's own copy of a
# bundled skin while its files are edited. A bitmap rewritten in place and
# an INI colour saved the way editors save (a new file renamed over the old)
# each show on screen within a second; a save that breaks the skin leaves
# the window exactly as it was and puts the --check-skin report on stderr.
# The time from each save to the changed screenshot is printed.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

e2e_begin app
mkdir -p "$app/shortcuts/Accessories"
printf '[InternetShortcut]\nURL=https://example.org/\n' > "$app/shortcuts/Accessories/Site.url"
printf '[Options]\nStartupSkin=Slatewise\n' > "$app/Quorvex.ini"
skin=$app/skins/Slatewise
# The clock would change the screenshot by itself once a minute.
sed -i '/^\[Clock\]/,/^\[/s/^Alignment=.*/Alignment=255/' "$skin/Slatewise.ini"

e2e_start_launcher "$app"
sleep 1
read -r x y w h < <(e2e_geometry "$window")

shot() { import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"; }
same() { compare -metric AE "$1" "$2" null: >/dev/null 2>&1; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# shows_within_a_second NAME BEFORE: polls the screen until it differs from
# BEFORE, for at most a second after the save; prints how long it took.
shows_within_a_second() {
  local start=$1 before=$2 name=$3 elapsed
  while :; do
    shot "$app/after.png"
    elapsed=$(( $(now_ms) - start ))
    if ! same "$before" "$app/after.png"; then
      echo "$name: shown after ${elapsed} ms"
      return 0
    fi
    [ "$elapsed" -lt 1000 ] || e2e_fail "$name: the window did not change within a second"
    sleep 0.05
  done
}

shot "$app/start.png"

# A bitmap rewritten in place (truncated and written again): a band across
# the background.
start=$(now_ms)
convert "$skin/Slatewise.bmp" -fill '#30C050' -draw 'rectangle 0,40 307,60' -type TrueColor "BMP3:$skin/Slatewise.bmp"
shows_within_a_second "$start" "$app/start.png" "background bitmap"
sleep 0.5
shot "$app/bitmap.png"

# An INI colour, saved by writing a copy and renaming it over the file: the
# current section's caption.
sed -n '/^\[Section00\]/,/^\[/p' "$skin/Slatewise.ini" | grep -q '^CurrentColor=' || e2e_fail "no CurrentColor to edit"
start=$(now_ms)
sed -i '/^\[Section00\]/,/^\[/s/^CurrentColor=.*/CurrentColor=FF3020/' "$skin/Slatewise.ini"
shows_within_a_second "$start" "$app/bitmap.png" "caption colour"
sleep 0.5
shot "$app/colour.png"

# The window stayed where it was.
read -r x2 y2 _ _ < <(e2e_geometry "$window")
[ "$x2,$y2" = "$x,$y" ] || e2e_fail "the window moved from $x,$y to $x2,$y2"

# A picture cut short: the skin no longer loads; nothing on screen changes.
truncate -s 100 "$skin/section00_1.bmp"
sleep 1.5
shot "$app/broken.png"
same "$app/colour.png" "$app/broken.png" || e2e_fail "a skin that does not load changed the window"
grep -qF "skin Slatewise: cannot be loaded" "$app/stderr.log" || e2e_fail "no check report: $(tail -n 5 "$app/stderr.log")"
grep -qF "error: unusable picture section00_1.bmp" "$app/stderr.log" || e2e_fail "the report does not name the picture"
kill -0 "$launcher" 2>/dev/null || e2e_fail "the launcher ended"

[ -n "${QUORVEX_E2E_SHOTS:-}" ] && cp "$app/start.png" "$app/colour.png" "$QUORVEX_E2E_SHOTS/" || true
e2e_stop_launcher
echo "PASS"
