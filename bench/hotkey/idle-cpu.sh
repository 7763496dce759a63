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

ticks_per_second=$(getconf CLK_TCK)
# Fields 14 and 15 of /proc/<pid>/stat: user and system time in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
awk -v used="$((after - before))" -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN {
    cpu = used / hz
    printf "idle hot-key host: %.2f s CPU in %d s = %.3f %% of one core\n", cpu, s, 100 * cpu / s
}'
