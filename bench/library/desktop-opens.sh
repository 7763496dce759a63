#!/usr/bin/env bash
# How often the desktop entries of a 200-entry section are opened for
# reading in the 20 runs of each DesktopSectionBench benchmark, counted with
# strace; a reload lists the section twice, for the icons and the buttons. Run it by hand: it is a measurement, not a test.
# Usage:
#   bash bench/library/desktop-opens.sh [build folder]
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
bench=$(cd "${1:-$source_dir/build}" && pwd)/bench/library_bench
[ -x "$bench" ] || { echo "missing $bench: build the tree first" >&2; exit 2; }
command -v strace >/dev/null || { echo "strace is needed" >&2; exit 2; }

trace=$(mktemp "${TMPDIR:-/tmp}/quorvex-opens-XXXXXX")
trap 'rm -f "$trace"' EXIT
for name in BM_ReloadDesktopSection/settled:1 BM_ReloadDesktopSection/settled:0 \
            BM_SwitchToDesktopSection/settled:1 BM_SwitchToDesktopSection/settled:0; do
  ran=$(strace -f -qq -e trace=openat -o "$trace" "$bench" --benchmark_filter="^$name/" 2>/dev/null)
  grep -q "^$name/" <<<"$ran" || { echo "$name did not run" >&2; exit 1; }
  opens=$(grep -c '\.desktop", O_RDONLY' "$trace" || true)
  printf '%-36s %6d opens in 20 runs (%s per run)\n' "$name" "$opens" "$(awk -v n="$opens" 'BEGIN { printf "%.1f", n / 20 }')"
done
