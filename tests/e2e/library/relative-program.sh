#!/usr/bin/env bash
# A desktop entry whose Exec line names its program relative to the entry
# (./prog) receives a file dropped from an unpacked archive that holds a
# program of the same name: the entry's own program runs, in the archive's
# folder, and the archive's program does not.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-actions.sh"

e2e_begin app
section=$app/shortcuts/Accessories
archive=$app/outside/archive
mkdir -p "$section" "$app/shortcuts/Games" "$archive"
cat >"$section/prog" <<SCRIPT
#!/bin/sh
{ pwd; printf '%s\n' "\$@"; } > "$app/intended.ran"
SCRIPT
cat >"$archive/prog" <<SCRIPT
#!/bin/sh
touch "$app/planted.ran"
SCRIPT
chmod +x "$section/prog" "$archive/prog"
printf '[Desktop Entry]\nType=Application\nName=Tool\nExec=./prog %%f\n' >"$section/Tool.desktop"
echo "figures" >"$archive/report.txt"

trap 'kill $(jobs -p) 2>/dev/null || true; e2e_cleanup; x11_session_stop' EXIT
e2e_start_launcher "$app"
sleep 1
read -r wx wy ww wh < <(e2e_geometry "$window")

# Launch button 0 of the first section sits at 17,82.
drag_file "$archive/report.txt" $((wx + 17 + 10)) $((wy + 82 + 10))
deadline=$((SECONDS + 15))
until [ -f "$app/intended.ran" ] || [ -f "$app/planted.ran" ]; do
  [ $SECONDS -lt $deadline ] || e2e_fail "no program ran: $(tail -n 3 "$app/stderr.log")"
  sleep 0.2
done
sleep 1
[ ! -f "$app/planted.ran" ] || e2e_fail "the archive's own prog ran"
[ "$(cat "$app/intended.ran")" = "$(printf '%s\n%s' "$archive" "$archive/report.txt")" ] ||
  e2e_fail "the entry's prog ran as: $(cat "$app/intended.ran")"

e2e_stop_launcher
echo "PASS"
