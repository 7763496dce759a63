#!/usr/bin/env bash
# Taps of F1 held 30 ms, far shorter than the launcher's polling period of
# 250 ms, each give exactly one HotKeyUp.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/e2e/hotkey/hotkey-session.sh"
hotkey_session_start

hotkey_run_host 'Interval=i4:250\nMaskKey=i4:112\n'

taps=30
for _ in $(seq 1 "$taps"); do
    xdotool keydown F1
    sleep 0.03
    xdotool keyup F1
    # More than a polling period between two taps, so that no two of them
    # fall between the same two ticks.
    sleep 0.$((RANDOM % 20 + 30))
done
sleep 0.6
ups=$(grep -c HotKeyUp "$work/events.txt" || true)
downs=$(grep -c HotKeyDown "$work/events.txt" || true)
echo "$taps taps of 30 ms: $ups HotKeyUp, $downs HotKeyDown"
if [ "$ups" != "$taps" ]; then
    echo "FAIL: wanted $taps HotKeyUp" >&2
    exit 1
fi
