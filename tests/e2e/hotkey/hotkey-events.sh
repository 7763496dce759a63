#!/usr/bin/env bash
# A run-time HotKeyCoReceiver watching Ctrl+F1 reports the combination and
# ignores F1 alone, whichever window has the focus.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/e2e/hotkey/hotkey-session.sh"
hotkey_session_start

hotkey_run_host 'Interval=i4:100\nMaskKey=i4:112\nCtrlKey=bool:true\n'

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

# Letting go of Ctrl before F1 ends the combination without an Up, and a
# later press of Ctrl does not bring one back.
: > "$work/events.txt"
step keydown ctrl
step keydown F1
step keyup ctrl
step keyup F1
step keydown ctrl
step keyup ctrl
ups=$(grep -c HotKeyUp "$work/events.txt" || true)
if [ "$ups" != 0 ]; then
    echo "FAIL: Ctrl let go first still gave $ups HotKeyUp" >&2
    cat "$work/events.txt" >&2
    fail=1
fi

exit $fail
