#!/usr/bin/env bash
# What watching the running skin's folder costs an idle launcher. Two
# launchers run side by side on one private Xvfb with a window manager, each
# in a throw-away program folder laid out by scripts/prepare-app.sh from the
# build folder (bundled skins, sample shortcuts): one as always, one
# with the watch off (QUORVEX_LIVE_RELOAD=0). Over the same SECONDS (60 by
# default) it prints, for each, the CPU used (utime + stime of all threads)
# and the wake-ups (voluntary context switches of all threads); with
# --strace, a second period counts the event loop's poll calls as well.
# Nothing changes in the skin folders meanwhile, so the two should match.
# Usage:
#   bash bench/window/reload-watch-idle.sh <build folder> [seconds] [--strace]
# Run it by hand: it is a measurement, not a test.
set -euo pipefail
build=${1:-}
if [ -z "$build" ] || [ ! -x "$build/bin/quorvex" ]; then
  echo "usage: $0 <build folder holding bin/quorvex> [seconds] [--strace]" >&2
  exit 2
fi
build=$(cd "$build" && pwd)
seconds=${2:-60}
with_strace=${3:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=${QUORVEX_SOURCE_DIR:-$(cd "$here/../.." && pwd)}
source "$source_dir/tests/support/x11-session.sh"
source "$here/../support/cpu-usage.sh"
x11_session_start

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
      x11_session_stop; rm -rf "$work"' EXIT

# start_launcher NAME LIVE_RELOAD: starts a launcher in its own program
# folder and prints its process id.
start_launcher() {
  QUORVEX_BUILD_DIR=$build bash "$source_dir/scripts/prepare-app.sh" "$work/$1" >/dev/null
  QUORVEX_HOME="$work/$1" QUORVEX_CLASSES_ROOT="$work/$1/classes-root.ini" QUORVEX_PAUSE_SCALE=0.1 \
    QUORVEX_LIVE_RELOAD=$2 "$work/$1/quorvex" > "$work/$1.log" 2>&1 &
  echo $!
}

watching=$(start_launcher watching 1)
unwatched=$(start_launcher unwatched 0)
pids=("$watching" "$unwatched")
for pid in "${pids[@]}"; do
  for _ in $(seq 1 300); do
    xdotool search --onlyvisible --pid "$pid" --name '^Quorvex$' >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || { echo "a launcher ended early:" >&2; cat "$work"/*.log >&2; exit 1; }
    sleep 0.1
  done
done
sleep 5

# inotify_watches PID: the inotify watches the process holds (a folder each).
inotify_watches() {
  cat /proc/"$1"/fdinfo/* 2>/dev/null | grep -c '^inotify wd:' || true
}
for pid in "${pids[@]}"; do
  label=$([ "$pid" = "$watching" ] && echo "watching its skin" || echo "watch turned off ")
  echo "$label: $(inotify_watches "$pid") inotify watches"
done

declare -A cpu_before wake_before
for pid in "${pids[@]}"; do
  cpu_before[$pid]=$(cpu_ticks "$pid")
  wake_before[$pid]=$(wakeups "$pid")
done
sleep "$seconds"
for pid in "${pids[@]}"; do
  label=$([ "$pid" = "$watching" ] && echo "watching its skin" || echo "watch turned off ")
  echo "$label: $(cpu_share $(( $(cpu_ticks "$pid") - cpu_before[$pid] )) "$seconds"), " \
       "$(( $(wakeups "$pid") - wake_before[$pid] )) wake-ups"
done

if [ "$with_strace" = "--strace" ]; then
  tracers=()
  for pid in "${pids[@]}"; do
    timeout -s INT "$seconds" strace -c -f -e trace=poll,ppoll -p "$pid" -o "$work/strace-$pid.txt" 2>/dev/null &
    tracers+=($!)
  done
  wait "${tracers[@]}" 2>/dev/null || true
  for pid in "${pids[@]}"; do
    label=$([ "$pid" = "$watching" ] && echo "watching its skin" || echo "watch turned off ")
    calls=$(awk '$NF == "poll" || $NF == "ppoll" {n += $4} END {print n + 0}' "$work/strace-$pid.txt")
    echo "$label: $calls poll calls in $seconds s (strace -c -f)"
  done
fi
