#!/usr/bin/env bash
# Shortcut and skin folders hold whatever their owners put there. FIFOs and
# links to a device under the names of shortcuts, a plain file, an icon, a
# font, a sound and an optional picture must neither block nor exhaust
# start-up: the window appears within the usual wait, each such file is named
# on one line of stderr, and the launcher closes normally.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app

section=$app/shortcuts/Accessories
mkdir -p "$section" "$app/shortcuts/Games"
mkfifo "$section/pipe.desktop" "$section/pipe.url" "$section/notes.txt"
ln -s /dev/zero "$section/zero.desktop"
ln -s /dev/zero "$section/zero.lnk"
mkfifo "$app/icon-fifo"
printf '[Desktop Entry]\nType=Application\nName=Odd icon\nExec=true\nIcon=%s\n' "$app/icon-fifo" \
  >"$section/odd-icon.desktop"
skin=$app/skins/Slatewise
mkfifo "$skin/blocking.ttf"
rm -f "$skin/startup.wav" && mkfifo "$skin/startup.wav"
mkfifo "$skin/shade.bmp"

e2e_start_launcher "$app"
kill -0 "$launcher" 2>/dev/null || e2e_fail "the launcher ended; stderr: $(cat "$app/stderr.log")"

for name in pipe.desktop zero.desktop zero.lnk icon-fifo blocking.ttf shade.bmp; do
  [ "$(grep -cF "/$name:" "$app/stderr.log")" = 1 ] ||
    e2e_fail "stderr does not name $name on one line: $(cat "$app/stderr.log")"
done

e2e_stop_launcher
echo "PASS"
