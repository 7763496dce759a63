#!/usr/bin/env bash
# Builds the launcher and runs it on its bundled default skin from a program
# folder under the build tree. Without a display it starts a virtual one with
# a window manager, takes a screenshot, says where it is, and stops.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUORVEX_BUILD_DIR:-$here/build}

bash "$here/scripts/build.sh"
app=$(bash "$here/scripts/prepare-app.sh")
export QUORVEX_CLASSES_ROOT=$app/classes-root.ini

if [ -n "${DISPLAY:-}" ]; then
  exec "$app/quorvex"
fi

export QUORVEX_SOURCE_DIR=$here
source "$here/tests/support/x11-session.sh"
x11_session_start 1280x800
"$app/quorvex" &
launcher=$!
if ! x11_wait_window Quorvex 30 >/dev/null; then
  echo "run: the launcher window did not appear" >&2
  exit 1
fi
sleep 2
shot=$build/screenshot.png
x11_screenshot "$shot"
echo "run: no display here, so the launcher ran on a virtual one; screenshot: $shot"
wmctrl -c Quorvex 2>/dev/null || true
for _ in $(seq 1 50); do
  kill -0 "$launcher" 2>/dev/null || break
  sleep 0.1
done
kill "$launcher" 2>/dev/null || true
wait "$launcher" 2>/dev/null || true
