#!/usr/bin/env bash
# CPU used by an idle quorvex-hotkey-host running the launcher's hot-key
# control (Interval 250, Scroll Lock) over 60 s on a private Xvfb, as a share
# of one core. Usage, from a build folder:
#   QUORVEX_SOURCE_DIR=<repo> QUORVEX_BINARY_DIR=. bash <repo>/bench/hotkey/idle-cpu.sh [seconds]
set -euo pipefail
seconds=${1:-60}
source "$QUORVEX_SOURCE_DIR/tests/support/x11-session.sh"
x11_session_start

bin="$QUORVEX_BINARY_DIR/bin"
work=$(mktemp -d)
export QUORVEX_CLASSES_ROOT="$work/classes-root.ini"
"$bin/quorvex-regserver" "$bin/libhotkey.so" >/dev/null
printf 'Interval=i4:250\nMaskKey=i4:145\n' > "$work/hotkey.bag"
"$bin/quorvex-hotkey-host" --run --bag "$work/hotkey.bag" > /dev/null 2> "$work/host.err" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; x11_session_stop; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do
    grep -q watching "$work/host.err" 2>/dev/null && break
    sleep 0.1
done

source "$(dirname "${BASH_SOURCE[0]}")/../support/cpu-usage.sh"
measure_cpu "$pid" "$seconds" "idle hot-key host"
