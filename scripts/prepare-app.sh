#!/usr/bin/env bash
# Lays out a program folder under the build tree: the binaries, the bundled
# skins, nothumb.bmp and a small sample shortcut library. What a user changed
# there (skin settings, shortcuts) is kept; binaries are refreshed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUORVEX_BUILD_DIR:-$here/build}
app=${1:-$build/app}

mkdir -p "$app/skins"
cp -f "$build/bin/quorvex" "$app/"
for lib in "$build"/bin/lib*.so "$build"/bin/quorvex-*; do
  [ -e "$lib" ] && cp -f "$lib" "$app/"
done
cp -n "$here/assets/nothumb.bmp" "$app/" 2>/dev/null || true
for skin in "$here"/assets/skins/*/; do
  name=$(basename "$skin")
  [ -d "$app/skins/$name" ] || cp -r "$skin" "$app/skins/$name"
done

# Component servers are found through a registry; this program folder keeps
# its own (run the launcher with QUORVEX_CLASSES_ROOT=<folder>/classes-root.ini).
if [ -x "$app/quorvex-regserver" ]; then
  for lib in "$app"/lib*.so; do
    [ -e "$lib" ] && QUORVEX_CLASSES_ROOT="$app/classes-root.ini" "$app/quorvex-regserver" "$lib" >/dev/null
  done
fi
cp -f "$here/SKINS.TXT" "$app/" 2>/dev/null || true

if [ ! -e "$app/shortcuts" ]; then
  mkdir -p "$app/shortcuts/Accessories" "$app/shortcuts/Games" "$app/shortcuts/Software"
  printf '[InternetShortcut]\nURL=file://%s\n' "$HOME" > "$app/shortcuts/Accessories/Home Folder.url"
  printf '[InternetShortcut]\nURL=file://%s\n' "$app/skins" > "$app/shortcuts/Software/Skins Folder.url"
  cat > "$app/shortcuts/Accessories/Files.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Files
Exec=xdg-open $HOME
Icon=system-file-manager
DESKTOP
fi
echo "$app"
