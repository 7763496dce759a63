#!/usr/bin/env bash
# A run-time HotKeyCoReceiver watching Ctrl+F1 reports the combination and
# ignores F1 alone, whichever window has the focus.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/e2e/hotkey/hotkey-session.sh"
hotkey_session_start

printf 'Interval=i4:100\nMaskKey=i4:112\nCtrlKey=bool:true\n' > "$work/hotkey.bag"
"$bin/quorvex-hotkey-host" --run --bag "$work/hotkey.bag" > "$work/events.txt" 2> "$work/host.err" &
host_pid=$!
wait_for_file_text "$work/host.err" "watching"

# Each step waits several polling periods.
step() { xdotool "$@"; sleep 0.5; }
fail=0

step keydown F1
step keyup F1
if [ -s "$work/events.txt" ]; then
    echo "FAIL: F1 alone raised events:" >&2
    cat "$work/events.txt" >&2
    fail=1
fi

step keydown ctrl
step keydown F1
step keyup F1
step keyup ctrl
# The press is seen first as down-and-went-down, then as down: two Downs.
expected=$'HotKeyDown\nHotKeyDown\nHotKeyUp'
actual=$(cat "$work/events.txt")
if [ "$actual" != "$expected" ]; then
    echo "FAIL: Ctrl+F1 gave:" >&2
    echo "$actual" >&2
    fail=1
fi

# Releasing Ctrl before F1 holds the Up back until Ctrl returns.
: > "$work/events.txt"
step keydown ctrl
step keydown F1
step keyup ctrl
step keyup F1
held=$(grep -c HotKeyUp "$work/events.txt" || true)
step keydown ctrl
step keyup ctrl
released=$(grep -c HotKeyUp "$work/events.txt" || true)
if [ "$held" != 0 ] || [ "$released" != 1 ]; then
    echo "FAIL: pending Up: $held before Ctrl returned, $released after" >&2
    cat "$work/events.txt" >&2
    fail=1
fi

exit $fail
