#!/usr/bin/env bash
# What a screen of device-pixel ratio 2 costs the launcher, in one run on one
# private display (Xvfb + openbox, pauses scaled to 0): the time from start
# to the main window being mapped, and the memory of the running launcher
# (VmHWM, the peak resident set, and VmRSS once the window is up), each at
# QT_SCALE_FACTOR 1 and 2, for Ferrolume (which ships @2x pictures) and
# Slatewise (whose pictures are enlarged). Rounds alternate between the
# cases so that a busy moment of the machine falls on all of them alike.
# Usage:
#   bash bench/startup/high-density.sh [build folder] [rounds]
# Run it by hand: it is a measurement, not a test.
set -euo pipefail
export QUORVEX_SOURCE_DIR=${QUORVEX_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export QUORVEX_BINARY_DIR=$(cd "${1:-$QUORVEX_SOURCE_DIR/build}" && pwd)
rounds=${2:-7}
watch=$QUORVEX_BINARY_DIR/bench/map_watch
for program in "$watch" "$QUORVEX_BINARY_DIR/bin/quorvex"; do
  [ -x "$program" ] || { echo "missing $program: build the tree first" >&2; exit 2; }
done

source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app 1600x1200
export QUORVEX_CLASSES_ROOT=$app/classes-root.ini QUORVEX_PAUSE_SCALE=0
log=$app/messages.log
trap 'echo "a start failed; messages:" >&2; cat "$log" >&2' ERR

use_skin() {
  printf '[Options]\nStartupSkin=%s\n' "$1" > "$app/Quorvex.ini"
}

# started SCALE: milliseconds from start to the main window mapped.
started() {
  QT_SCALE_FACTOR=$1 "$watch" Quorvex "$app/quorvex" 2>>"$log"
}

# memory SCALE: sets `peak` and `resident`, VmHWM and VmRSS of the running
# launcher in KiB a second after its window came up. Not in a subshell: the
# launcher must have ended before the next one starts.
memory() {
  QT_SCALE_FACTOR=$1 e2e_start_launcher "$app"
  sleep 1
  read -r peak resident < <(awk '/^VmHWM:/{hwm=$2} /^VmRSS:/{rss=$2} END{print hwm, rss}' "/proc/$launcher/status")
  e2e_stop_launcher
}

# Not counted: the first start creates the library folders and brings the
# binaries and skins into the file cache.
use_skin Ferrolume
started 1 >/dev/null
started 2 >/dev/null

declare -A times=() hwm=() rss=()
for _ in $(seq 1 "$rounds"); do
  for skin in Ferrolume Slatewise; do
    use_skin "$skin"
    for scale in 1 2; do
      times[$skin@$scale]+="$(started "$scale") "
      memory "$scale"
      hwm[$skin@$scale]+="$peak "
      rss[$skin@$scale]+="$resident "
    done
  done
done

median() {
  printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}
range() {
  printf '%s\n' "$@" | sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%s - %s", lo, hi }'
}
echo "start to main window mapped and memory, median of $rounds rounds (range):"
for skin in Ferrolume Slatewise; do
  for scale in 1 2; do
    key=$skin@$scale
    # shellcheck disable=SC2086
    printf '%-10s QT_SCALE_FACTOR=%s  start %6.1f ms (%s)  VmHWM %6d KiB (%s)  VmRSS %6d KiB (%s)\n' \
      "$skin" "$scale" "$(median ${times[$key]})" "$(range ${times[$key]})" \
      "$(median ${hwm[$key]})" "$(range ${hwm[$key]})" "$(median ${rss[$key]})" "$(range ${rss[$key]})"
  done
done
