#!/usr/bin/env bash
# Start-up gives up with its two messages: a skin without a usable background
# (missing, cut short, not a file), and a program folder without skins. The message box waits for OK; the program
# then ends with a failure status.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"

x11_session_start 1024x768
trap 'e2e_cleanup; x11_session_stop' EXIT
export QUORVEX_PAUSE_SCALE=0.1

expect_fatal() {
  local app=$1 message=$2
  export QUORVEX_CLASSES_ROOT=$app/classes-root.ini
  "$app/quorvex" >"$app/stdout.log" 2>"$app/stderr.log" &
  local launcher=$!
  # The message goes to standard error just before its box opens.
  local deadline=$((SECONDS + 30))
  until grep -qF "$message" "$app/stderr.log"; do
    [ $SECONDS -lt $deadline ] || e2e_fail "stderr lacks: $message; it holds: $(cat "$app/stderr.log")"
    sleep 0.1
  done
  local box
  box=$(x11_wait_window Quorvex 30) || e2e_fail "no message box for: $message"
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
  local status=0
  wait "$launcher" || status=$?
  [ "$status" -ne 0 ] || e2e_fail "launcher exited 0 after: $message"
}

e2e_make_app missing_background
rm -f "$missing_background/skins/Slatewise/Slatewise.bmp"
expect_fatal "$missing_background" "Cannot load skin!"

# A background cut short once decoded into a black, unshaped window.
e2e_make_app cut_background
truncate -s 100 "$cut_background/skins/Slatewise/Slatewise.bmp"
expect_fatal "$cut_background" "Cannot load skin!"
grep -qF "cut short" "$cut_background/stderr.log" || e2e_fail "stderr does not say the background is cut short"

# A FIFO in place of the background is refused at once, not waited on.
e2e_make_app fifo_background
rm -f "$fifo_background/skins/Slatewise/Slatewise.bmp"
mkfifo "$fifo_background/skins/Slatewise/Slatewise.bmp"
expect_fatal "$fifo_background" "Cannot load skin!"

e2e_make_app no_skins
rm -rf "$no_skins/skins"/*
expect_fatal "$no_skins" "No skins to load! Cannot run without skins!"
echo "PASS"
