#!/usr/bin/env bash
# Shared by the hot-key end-to-end tests: a private X session, a private
# classes root with libhotkey.so registered, and a scratch folder.
source "$QUORVEX_SOURCE_DIR/tests/support/x11-session.sh"

hotkey_session_start() {
    x11_session_start
    bin="$QUORVEX_BINARY_DIR/bin"
    work=$(mktemp -d)
    host_pid=""
    trap 'hotkey_session_stop' EXIT
    export QUORVEX_CLASSES_ROOT="$work/classes-root.ini"
    "$bin/quorvex-regserver" "$bin/libhotkey.so"
}

hotkey_session_stop() {
    if [ -n "$host_pid" ]; then
        kill "$host_pid" 2>/dev/null || true
        wait "$host_pid" 2>/dev/null || true
    fi
    x11_session_stop
    rm -rf "$work"
}

# wait_for_file_text FILE TEXT [SECONDS]
wait_for_file_text() {
    local file=$1 text=$2 seconds=${3:-15}
    local deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        grep -q "$text" "$file" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "FAIL: '$text' never appeared in $file" >&2
    cat "$file" >&2 || true
    return 1
}

# hotkey_run_host BAG_TEXT: hosts a run-time control over a bag holding
# BAG_TEXT (printf format) and waits until it watches the keyboard; its
# events go to $work/events.txt.
hotkey_run_host() {
    printf "$1" > "$work/hotkey.bag"
    "$bin/quorvex-hotkey-host" --run --bag "$work/hotkey.bag" > "$work/events.txt" 2> "$work/host.err" &
    host_pid=$!
    wait_for_file_text "$work/host.err" "watching"
}
