#!/usr/bin/env bash
# CPU used by an idle launcher over a while (60 s by default) on a private
# Xvfb with a window manager, as a share of one core. An idle launcher waits
# for events only: its clock ticks once a second and nothing else should run.
# Usage:
#   bash bench/window/idle-cpu.sh <path to the quorvex binary> [seconds]
# The launcher runs from its own folder when that folder holds skins\;
# otherwise from a throw-away program folder with the bundled skins
# (QUORVEX_HOME). Run it by hand: it is a measurement, not a test.
set -euo pipefail
if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 <quorvex binary> [seconds]" >&2
    exit 2
fi
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
seconds=${2:-60}
source_dir=${QUORVEX_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
source "$source_dir/tests/support/x11-session.sh"
x11_session_start

work=$(mktemp -d)
if [ ! -d "$(dirname "$binary")/skins" ] && [ -z "${QUORVEX_HOME:-}" ]; then
    mkdir -p "$work/app/skins"
    cp -r "$source_dir"/assets/skins/* "$work/app/skins/"
    cp "$source_dir/assets/nothumb.bmp" "$work/app/" 2>/dev/null || true
    export QUORVEX_HOME="$work/app"
fi

"$binary" > "$work/out.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; x11_session_stop; rm -rf "$work"' EXIT

# Wait for the first window of the process, then let start-up finish (its
# pauses add up to a few seconds) before measuring.
for _ in $(seq 1 200); do
    xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || { echo "the launcher ended early:" >&2; cat "$work/out.log" >&2; exit 1; }
    sleep 0.1
done
sleep 5
kill -0 "$pid" 2>/dev/null || { echo "the launcher ended during start-up:" >&2; cat "$work/out.log" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../support/cpu-usage.sh"
measure_cpu "$pid" "$seconds" "idle launcher"
