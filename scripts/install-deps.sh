#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
  libqt6svg6 qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base
  libpixman-1-dev libx11-dev libxi-dev libxcb-shape0-dev liblnk-dev libbfio-dev libemf2svg-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb openbox xdotool x11-utils x11-apps wmctrl imagemagick
  x11-xserver-utils xserver-xephyr
  weston xwayland qt6-wayland
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
  fonts-dejavu-core xdg-utils shared-mime-info adwaita-icon-theme hicolor-icon-theme
  appstream desktop-file-utils
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
