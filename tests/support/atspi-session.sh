#!/usr/bin/env bash
# Source this file after x11-session.sh to let a test read the accessibility
# tree of the programs it starts, as a screen reader does:
#   atspi_session_start || exit 77     # skip where AT-SPI cannot start
#   atspi showing Quorvex              # tests/support/atspi-tree.py
# The accessibility bus belongs to a private session bus of the test's own,
# so the test neither needs nor touches the desktop's. Run the test script
# under it with `atspi_private_bus "$@"` as its first line.

# Debian's interpreter, whatever python3 comes first on the PATH: the AT-SPI
# bindings are Debian packages.
atspi_python=/usr/bin/python3
[ -x "$atspi_python" ] || atspi_python=python3

# atspi_private_bus ARGS...: runs the calling script again under a private
# session bus (once); exits 77 (skip) when there is no way to make one.
atspi_private_bus() {
  [ -n "${QUORVEX_PRIVATE_BUS:-}" ] && return 0
  if ! command -v dbus-run-session >/dev/null; then
    echo "SKIP: dbus-run-session is not installed" >&2
    exit 77
  fi
  QUORVEX_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
}

atspi_launcher_pid=""

atspi_session_stop() {
  [ -n "$atspi_launcher_pid" ] && kill "$atspi_launcher_pid" 2>/dev/null
  [ -n "$atspi_launcher_pid" ] && wait "$atspi_launcher_pid" 2>/dev/null
  atspi_launcher_pid=""
}

# atspi_session_start: starts the accessibility bus and waits until its
# registry answers; returns non-zero (with the reason) when it cannot.
atspi_session_start() {
  local bus_launcher candidate i
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && bus_launcher=$candidate && break
  done
  if [ -z "${bus_launcher:-}" ]; then
    echo "atspi: at-spi-bus-launcher is not installed" >&2
    return 1
  fi
  if ! "$atspi_python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "atspi: the Python AT-SPI bindings (python3-gi, gir1.2-atspi-2.0) are missing" >&2
    return 1
  fi
  "$bus_launcher" --launch-immediately >/dev/null 2>&1 &
  atspi_launcher_pid=$!
  for i in $(seq 1 100); do
    atspi ready 2>/dev/null && break
    sleep 0.1
  done
  if ! atspi ready >/dev/null 2>&1; then
    echo "atspi: the accessibility registry does not answer" >&2
    atspi_session_stop
    return 1
  fi
  # Qt speaks AT-SPI only when asked to; a desktop asks through its
  # settings, a test through this.
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# atspi COMMAND ARGS...: see tests/support/atspi-tree.py.
atspi() {
  "$atspi_python" "$QUORVEX_SOURCE_DIR/tests/support/atspi-tree.py" "$@"
}
