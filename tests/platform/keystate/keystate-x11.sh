#!/usr/bin/env bash
# The X11 key-state backend against a real X server driven by xdotool.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/x11-session.sh"
x11_session_start

probe="$QUORVEX_BINARY_DIR/tests/keystate_probe"
fail=0
expect() {
    local what=$1 want=$2
    shift 2
    local got
    # Let the server take the fake key events in before they are read.
    sleep 0.2
    got=$("$probe" "$@" | awk '{print $2}' | paste -sd' ')
    if [ "$got" != "$want" ]; then
        echo "FAIL: $what: wanted '$want', got '$got'" >&2
        fail=1
    fi
}

# Probe order: Shift, Ctrl, Alt, F1, Scroll Lock, A, Numpad 5; each probe is a
# fresh process, so a held key always shows its went-down bit.
expect "nothing held" "0000 0000 0000 0000 0000 0000" 16 17 18 112 145 65
xdotool keydown Control_R keydown F1
expect "right Ctrl and F1" "0000 8001 0000 8001 0000" 16 17 18 112 145
xdotool keyup F1 keyup Control_R
xdotool keydown Shift_L keydown a
expect "Shift and A" "8001 0000 8001" 16 17 65
xdotool keyup a keyup Shift_L
xdotool keydown Alt_L keydown Scroll_Lock
expect "Alt and Scroll Lock" "0000 8001 8001" 17 18 145
xdotool keyup Scroll_Lock keyup Alt_L
xdotool keydown KP_5
expect "keypad 5" "8001" 101
xdotool keyup KP_5
# The went-down bit shows once per press within one process.
xdotool keydown F2
expect "held F2 read twice" "8001 8000" 113 113
xdotool keyup F2
expect "all released" "0000 0000 0000 0000 0000" 16 17 18 112 145

# Taps between two queries of one process, through the raw key events.
# tap_between WANT KEYS...: the probe reads F3 (114), the keys are tapped,
# then it reads F3 twice more.
tap_between() {
    local want=$1
    shift
    local fifo got
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    "$probe" 114 - 114 114 < "$fifo" > "$fifo.out" &
    local pid=$!
    exec 3> "$fifo"
    sleep 0.3
    for key in "$@"; do
        xdotool keydown "$key"
        sleep 0.03
        xdotool keyup "$key"
    done
    sleep 0.2
    echo >&3
    exec 3>&-
    wait "$pid" || true
    got=$(awk '{print $2}' "$fifo.out" | paste -sd' ')
    rm -f "$fifo" "$fifo.out"
    if [ "$got" != "$want" ]; then
        echo "FAIL: taps of $*: wanted '$want', got '$got'" >&2
        fail=1
    fi
}
tap_between "0000 0001 0000" F3
tap_between "0000 0001 0000" F3 F3
tap_between "0000 0000 0000" F4

# In a Wayland session the keys are not shared: that is said once.
said=$(WAYLAND_DISPLAY=wayland-test "$probe" 16 2>&1 >/dev/null | grep -c "Wayland session" || true)
if [ "$said" != 1 ]; then
    echo "FAIL: with WAYLAND_DISPLAY set, the Wayland note was said $said times" >&2
    fail=1
fi
said=$(env -u WAYLAND_DISPLAY "$probe" 16 2>&1 >/dev/null | grep -c "Wayland" || true)
if [ "$said" != 0 ]; then
    echo "FAIL: the Wayland note without a Wayland session" >&2
    fail=1
fi

exit $fail
