#!/usr/bin/env bash
# What a user does with a running launcher: real drags from another
# program, message boxes, the skin chooser. For scripts that started a
# session with e2e_begin app and the launcher with e2e_start_launcher (the
# drag source's log goes to $app/dragsource.log).

# drag_file FILE X Y [HOLD]: drags FILE from a fresh drag source to screen
# point X,Y and drops it there after HOLD seconds without moving.
drag_file() {
  "$QUORVEX_BINARY_DIR/bin/e2e-dragsource" "$1" >"$app/dragsource.log" 2>&1 &
  local source_pid=$!
  local source
  source=$(x11_wait_window dragsource 15) || e2e_fail "no drag source window"
  sleep 0.5
  local sx sy sw sh
  read -r sx sy sw sh < <(e2e_geometry "$source")
  xdotool mousemove $((sx + sw / 2)) $((sy + sh / 2))
  sleep 0.2
  xdotool mousedown 1
  local step
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((sx + sw / 2 + ($2 - sx - sw / 2) * step / 10)) $((sy + sh / 2 + ($3 - sy - sh / 2) * step / 10))
    sleep 0.1
  done
  sleep "${4:-0.3}"
  xdotool mouseup 1
  sleep 1.5
  kill "$source_pid" 2>/dev/null || true
  wait "$source_pid" 2>/dev/null || true
}

# e2e_message_box LAUNCHER_WINDOW: prints the id of a visible "Quorvex"
# window other than the launcher's own (a message box), waiting up to 10 s
# for one, or prints nothing. A search gives up on the first window that
# vanishes while it looks (a drag icon, the last box closing), so it is
# asked again rather than taken at its word.
e2e_message_box() {
  local i box
  for i in $(seq 1 50); do
    box=$(xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null | grep -v "^$1\$" | head -n1 || true)
    [ -n "$box" ] && { echo "$box"; return 0; }
    sleep 0.2
  done
}

# e2e_dismiss BOX: presses Return in the message box BOX.
e2e_dismiss() {
  xdotool windowactivate --sync "$1" key Return 2>/dev/null || xdotool key Return
  sleep 0.5
}

# e2e_open_chooser: clicks the skin-management button (24 x 24 at 214,8 in
# the Slatewise skin) and waits for the chooser. Sets `chooser` (its window
# id) and cx, cy, cw, ch (its geometry).
e2e_open_chooser() {
  local wx wy ww wh
  read -r wx wy ww wh < <(e2e_geometry "$window")
  xdotool mousemove $((wx + 214 + 12)) $((wy + 8 + 12))
  sleep 0.3
  xdotool click 1
  chooser=$(x11_wait_window ' Choose a Skin...' 15) || e2e_fail "the chooser did not open"
  sleep 0.5
  read -r cx cy cw ch < <(e2e_geometry "$chooser")
}
