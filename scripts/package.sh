#!/usr/bin/env bash
# Builds the Debian package from the build tree (CPack, from the install
# rules) and checks it: its file list with dpkg-deb, then lintian, which
# must find no errors. Installs lintian when it is missing.
# Usage: bash scripts/package.sh [build folder]   -> prints the .deb's path last
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)

if ! command -v lintian >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends lintian
fi

cmake --build "$build" --target quorvex quorvex-regserver quorvex-hotkey-host shape hotkey
rm -f "$build"/quorvex_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quorvex_*.deb)

echo "== contents of $(basename "$deb")"
dpkg-deb --contents "$deb"
echo "== control"
dpkg-deb --field "$deb"

# Nothing may lie outside the install layout.
outside=$(dpkg-deb --contents "$deb" | awk '{print $6}' |
          grep -vE '^\./(usr/?$|usr/(bin|lib|share)(/|$))' || true)
[ -z "$outside" ] || { echo "files outside /usr/{bin,lib,share}: $outside" >&2; exit 1; }

echo "== lintian"
# Errors fail the build; warnings are listed (see the tags below).
lintian --tag-display-limit 0 --fail-on error "$deb"
echo "$deb"
