#!/usr/bin/env bash
# Source this file for stacking checks on a running X session with a window
# manager that keeps _NET_CLIENT_LIST_STACKING (openbox does).

# x11_stacking: the managed windows, bottom to top, as decimal ids.
x11_stacking() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g' | xargs -n1 printf '%d\n'
}

# x11_above A B: window A is stacked above window B.
x11_above() {
  local order a b
  order=$(x11_stacking)
  a=$(grep -nx "$(printf '%d' "$1")" <<<"$order" | cut -d: -f1)
  b=$(grep -nx "$(printf '%d' "$2")" <<<"$order" | cut -d: -f1)
  [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}

# x11_wait_until [-t SECONDS] COMMAND...: retries COMMAND until it succeeds
# (10 s by default).
x11_wait_until() {
  local seconds=10
  if [ "$1" = -t ]; then
    seconds=$2
    shift 2
  fi
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# x11_has_state WINDOW STATE: the window's _NET_WM_STATE holds
# _NET_WM_STATE_<STATE>.
x11_has_state() {
  xprop -id "$1" _NET_WM_STATE | grep -q "_NET_WM_STATE_$2\b"
}
