#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or $QUORVEX_BUILD_DIR).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUORVEX_BUILD_DIR:-$here/build}

bash "$here/scripts/install-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
