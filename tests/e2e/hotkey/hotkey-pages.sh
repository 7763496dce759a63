#!/usr/bin/env bash
# The property pages edit the saved bag: OK writes the page's values back,
# Cancel leaves the file alone. The about box opens and closes.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/e2e/hotkey/hotkey-session.sh"
hotkey_session_start

bag="$work/hotkey.bag"
printf 'Interval=i4:250\nMaskKey=i4:145\n' > "$bag"
title="HotKey.HotKeyCoReceiver Properties"
fail=0

# Cancel first: nothing may be written.
"$bin/quorvex-hotkey-host" --bag "$bag" 2> "$work/host.err" &
host_pid=$!
window=$(x11_wait_window "$title") || { echo "FAIL: no property window" >&2; cat "$work/host.err" >&2; exit 1; }
xdotool windowactivate --sync "$window"
sleep 0.3
xdotool key space
xdotool key Escape
wait "$host_pid" || true
host_pid=""
if [ "$(cat "$bag")" != $'Interval=i4:250\nMaskKey=i4:145' ]; then
    echo "FAIL: Cancel changed the bag:" >&2
    cat "$bag" >&2
    fail=1
fi

# The first control on the page is chkAltKey: tick it and confirm with OK.
"$bin/quorvex-hotkey-host" --bag "$bag" 2> "$work/host.err" &
host_pid=$!
window=$(x11_wait_window "$title") || { echo "FAIL: no property window" >&2; exit 1; }
xdotool windowactivate --sync "$window"
sleep 0.3
xdotool key space
sleep 0.2
xdotool key Return
wait "$host_pid" || true
host_pid=""
for line in "Interval=i4:250" "MaskKey=i4:145" "AltKey=bool:true"; do
    if ! grep -qx "$line" "$bag"; then
        echo "FAIL: '$line' missing after OK:" >&2
        cat "$bag" >&2
        fail=1
    fi
done

# AboutMe shows the about box modally; its Ok button closes it.
"$bin/quorvex-hotkey-host" --about --bag "$bag" 2> "$work/host.err" &
host_pid=$!
if window=$(x11_wait_window "About"); then
    xdotool windowactivate --sync "$window"
    sleep 0.3
    xdotool key Return
    if ! timeout 10 tail --pid="$host_pid" -f /dev/null; then
        echo "FAIL: the about box did not close" >&2
        fail=1
    fi
else
    echo "FAIL: no about box" >&2
    cat "$work/host.err" >&2
    fail=1
fi

exit $fail
