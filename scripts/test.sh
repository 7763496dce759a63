#!/usr/bin/env bash
# Builds everything and runs every test (unit, widget and end-to-end).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUORVEX_BUILD_DIR:-$here/build}

bash "$here/scripts/build.sh"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300 "$@"
