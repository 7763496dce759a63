#!/usr/bin/env bash
# Quick taps of the skin's hot key, held about as long as a typed key, each
# bring the launcher in front of the window that was raised over it; and a
# Ctrl combination left by letting go of Ctrl first raises nothing, neither
# then nor at a later, unrelated Ctrl press.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-cover.sh"
e2e_begin app
ini=$app/skins/Slatewise/Slatewise.ini

start_covered_launcher() {
  sed -i 's/^AlwaysOnTop=.*/AlwaysOnTop=0/I' "$ini"
  e2e_start_launcher "$app"
  # Start-up ends by applying the skin's stacking, which raises the window.
  sleep 1.5
  e2e_cover_open
}

stop_covered_launcher() {
  e2e_cover_close
  e2e_stop_launcher
}

# The default skin's hot key is Scroll Lock, polled every 250 ms.
start_covered_launcher
taps=30
raised=0
for i in $(seq 1 "$taps"); do
  e2e_cover_launcher
  # Somewhere in the polling period, not in step with it.
  sleep "0.$((RANDOM % 25 + 5))"
  xdotool keydown Scroll_Lock
  sleep 0.04
  xdotool keyup Scroll_Lock
  if x11_wait_until -t 3 x11_above "$window" "$cover"; then
    raised=$((raised + 1))
  else
    echo "tap $i did not raise the launcher" >&2
  fi
done
echo "taps of 40 ms: the launcher came in front $raised of $taps times"
stop_covered_launcher
[ "$raised" -eq "$taps" ] || e2e_fail "only $raised of $taps taps raised the launcher"

# The same launcher with Ctrl+F5 as its hot key.
sed -i 's/^Hotkey=.*/Hotkey=ctrl+f5/I' "$ini"
start_covered_launcher
e2e_cover_launcher
step() { xdotool "$@"; sleep 0.6; }
step keydown Control_L
step keydown F5
step keyup Control_L
step keyup F5
sleep 1
x11_above "$cover" "$window" || e2e_fail "letting go of Ctrl before F5 raised the launcher"
# Much later, an unrelated Ctrl+C in another program.
step keydown Control_L
step keydown c
step keyup c
step keyup Control_L
sleep 1
x11_above "$cover" "$window" || e2e_fail "a later Ctrl+C raised the launcher"
# The combination itself still works.
step keydown Control_L
step keydown F5
step keyup F5
step keyup Control_L
x11_wait_until -t 3 x11_above "$window" "$cover" || e2e_fail "Ctrl+F5 did not raise the launcher"
stop_covered_launcher
echo PASS
