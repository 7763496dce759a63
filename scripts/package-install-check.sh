#!/usr/bin/env bash
# Installs the Debian package on this machine, starts the installed launcher
# as an unprivileged user with empty home folders under a private X display,
# closes it, and removes the package again: every file it brought must be
# gone afterwards. Needs root, and a machine where quorvex is not installed.
# Usage: bash scripts/package-install-check.sh [build folder]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || { echo "package-install-check: needs root (it installs a package)" >&2; exit 2; }
if dpkg-query -W -f='${Status}' quorvex 2>/dev/null | grep -q 'install ok installed'; then
  echo "package-install-check: quorvex is already installed here; not touching it" >&2
  exit 2
fi

deb=$(bash "$here/scripts/package.sh" "$build" | tail -n1)
[ -f "$deb" ] || fail "no package built"

export QUORVEX_SOURCE_DIR=$here
source "$here/tests/support/x11-session.sh"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-package-XXXXXX")
chmod 755 "$scratch"
installed=false
cleanup() {
  x11_session_stop
  if $installed; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quorvex >/dev/null 2>&1 || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 \
  || fail "the package does not install: $(tail -n 20 "$scratch/apt.log")"
installed=true
dpkg-query -L quorvex | sort >"$scratch/files"
[ -f /usr/share/quorvex/classes-root.ini ] || fail "the installed registry is missing"

home=$scratch/home
mkdir -p "$home" "$scratch/runtime"
chown 65534:65534 "$home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
x11_session_start 1024x768
as_nobody() {
  setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb HOME="$home" \
    XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$scratch/runtime" "$@"
}
as_nobody /usr/bin/quorvex --autostart >"$scratch/stdout.log" 2>"$scratch/stderr.log" &
launcher=$!
x11_wait_window Quorvex 30 >/dev/null || fail "no launcher window; stderr: $(cat "$scratch/stderr.log")"
for file in skins/Slatewise/Slatewise.ini nothumb.bmp SKINS.TXT; do
  [ -f "$home/data/quorvex/$file" ] || fail "the user's folder lacks $file"
done
sleep 1
as_nobody /usr/bin/quorvex --quit || fail "--quit found no launcher"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher exited with $status; stderr: $(cat "$scratch/stderr.log")"
echo "installed launcher ran as an unprivileged user"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quorvex >"$scratch/apt.log" 2>&1 \
  || fail "the package does not remove: $(tail -n 20 "$scratch/apt.log")"
installed=false
left=()
while read -r path; do
  # Folders such as /usr/share/man are shared with other packages.
  [ -e "$path" ] && [ ! -d "$path" ] && left+=("$path")
done <"$scratch/files"
for folder in /usr/share/quorvex /usr/lib/quorvex /usr/share/doc/quorvex; do
  [ -e "$folder" ] && left+=("$folder")
done
[ "${#left[@]}" -eq 0 ] || fail "left behind after removal: ${left[*]}"
echo "PASS: installed, run and removed without a trace"
