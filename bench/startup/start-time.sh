#!/usr/bin/env bash
# Time from start to main window mapped, in one run on one private display
# (Xvfb + openbox): a bare Qt window (the floor), the launcher with its
# splash, and the launcher's quiet start (--autostart and ShowSplash=0).
# Rounds alternate between the four so that a busy moment of the machine
# falls on all of them alike; each line gives the median and the spread.
# Usage:
#   bash bench/startup/start-time.sh [build folder] [rounds]
# Run it by hand: it is a measurement, not a test.
set -euo pipefail
export QUORVEX_SOURCE_DIR=${QUORVEX_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export QUORVEX_BINARY_DIR=$(cd "${1:-$QUORVEX_SOURCE_DIR/build}" && pwd)
rounds=${2:-9}
watch=$QUORVEX_BINARY_DIR/bench/map_watch
bare=$QUORVEX_BINARY_DIR/bench/bare_window
for program in "$watch" "$bare" "$QUORVEX_BINARY_DIR/bin/quorvex"; do
  [ -x "$program" ] || { echo "missing $program: build the tree first" >&2; exit 2; }
done

source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app
export QUORVEX_CLASSES_ROOT=$app/classes-root.ini
quiet=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-quiet-XXXXXX")
e2e_cleanup_dirs+=("$quiet")
cp -a "$app/." "$quiet/"
printf '[Options]\nShowSplash=0\n' >"$quiet/Quorvex.ini"
# The programs' own messages go to a log, shown when a start fails.
log=$quiet/messages.log
trap 'echo "a start failed; messages:" >&2; cat "$log" >&2' ERR
timed() { "$watch" "$@" 2>>"$log"; }

# One start of each, not counted: the first one creates the library folders
# and brings the binaries and skins into the file cache.
timed Quorvex "$app/quorvex" >/dev/null
timed Quorvex "$quiet/quorvex" >/dev/null
timed Bare "$bare" Bare >/dev/null

declare -A times=()
for _ in $(seq 1 "$rounds"); do
  times[bare]+="$(timed Bare "$bare" Bare) "
  times[splash]+="$(timed Quorvex "$app/quorvex") "
  times[autostart]+="$(timed Quorvex "$app/quorvex" --autostart) "
  times[ShowSplash=0]+="$(timed Quorvex "$quiet/quorvex") "
done

summary() { # name, times: "name  median  (min - max) ms"
  local name=$1
  shift
  printf '%s\n' "$@" | sort -n | awk -v name="$name" '
    { t[NR] = $1 }
    END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
          printf "%-22s median %7.1f ms  (%.1f - %.1f, %d starts)\n", name, m, t[1], t[NR], NR }'
}
echo "start to main window mapped, $rounds rounds:"
for name in bare splash autostart ShowSplash=0; do
  # shellcheck disable=SC2086
  summary "$name" ${times[$name]}
done
