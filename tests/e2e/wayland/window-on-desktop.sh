#!/usr/bin/env bash
# Both bundled skins on a Wayland desktop, as an X11 program through
# Xwayland and as a Wayland client: the window appears with the size of the
# skin's background.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-weston.sh"
e2e_begin_weston app

# check_skin MODE SKIN
check_skin() {
  local mode=$1 skin=$2 x y w h bw bh
  printf '[Options]\nStartupSkin=%s\n' "$skin" >"$app/Quorvex.ini"
  e2e_weston_launcher "$mode" "$app"
  read -r x y w h <<<"$window_box"
  read -r bw bh < <(identify -format '%w %h\n' "$app/skins/$skin/$skin.bmp")
  [ "$w" = "$bw" ] && [ "$h" = "$bh" ] || e2e_fail "$mode $skin: the window is ${w}x${h} on the desktop, its skin ${bw}x${bh}"
  e2e_weston_stop_launcher
  echo "ok: $mode $skin"
}

for skin in Slatewise Ferrolume; do
  check_skin xwayland "$skin"
  # The platform the user names is the one used.
  e2e_launcher_prefix=(env QT_QPA_PLATFORM=wayland)
  check_skin native "$skin"
  e2e_launcher_prefix=()
done
echo PASS
