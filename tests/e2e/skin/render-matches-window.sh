#!/usr/bin/env bash
# What --render-skin draws is what the running launcher shows: for each case
# the launcher runs on a sample library laid out like the render's, and the
# window's screenshot equals the render pixel for pixel. The desktop is
# black, so the render is flattened on black and the outline is compared
# too, for sections 1 and 2, a hovered launch button and the rolled-up window.
# Only what changes with the time of day is left out: the clock and the
# film loop.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app

# The render's sample library (see the render command).
write_sample_library() {
  local folder name
  rm -rf "$app/shortcuts"
  for entry in Accessories/Calculator Accessories/Notes Accessories/Terminal Games/Chess Games/Solitaire \
               Software/Editor Software/Mail "Software/Web Browser" Software/Pictures; do
    folder=$app/shortcuts/${entry%%/*}
    name=${entry#*/}
    mkdir -p "$folder"
    printf '[InternetShortcut]\nURL=https://example.org/\n' > "$folder/$name.url"
  done
}

# ini_key SKIN SECTION KEY: a number from the skin's definition file.
ini_key() {
  sed -n "/^\[$2\]/,/^\[/p" "$app/skins/$1/$1.ini" | grep -i "^$3=" | head -n1 | cut -d= -f2 | tr -d '\r '
}

# blank_rect SKIN SECTION: ImageMagick arguments painting that control's
# rectangle black, when the skin has it.
blank_rect() {
  local left top width height
  left=$(ini_key "$1" "$2" Left); top=$(ini_key "$1" "$2" Top)
  width=$(ini_key "$1" "$2" Width); height=$(ini_key "$1" "$2" Height)
  [ -n "$left" ] && [ -n "$top" ] || return 0
  width=${width:-64}; height=${height:-64}
  echo "-draw rectangle_${left},${top},$((left + width - 1)),$((top + height - 1))"
}

# check_case SKIN SECTION [hover|shaded]: starts the launcher on SKIN, opens
# SECTION with a click, rests the pointer on its first launch button or rolls
# the window up, and compares the window with the render.
check_case() {
  local skin=$1 section=$2 state=${3:-}
  local -a options=()
  write_sample_library
  printf '[Options]\nStartupSkin=%s\n' "$skin" > "$app/Quorvex.ini"
  e2e_start_launcher "$app"
  sleep 1
  read -r x y w h < <(e2e_geometry "$window")
  local key
  key=$(printf 'Section%02d' $((section - 1)))
  if [ "$section" -gt 1 ]; then
    xdotool mousemove $((x + $(ini_key "$skin" "$key" Left) + 4)) $((y + $(ini_key "$skin" "$key" Top) + 4)) \
      click 1 mousemove 0 767
    sleep 1
  fi
  case $state in
    hover)
      xdotool mousemove $((x + $(ini_key "$skin" "$key" Button00Left) + 8)) \
        $((y + $(ini_key "$skin" "$key" Button00Top) + 8))
      options=(--hover 1) ;;
    shaded)
      xdotool mousemove $((x + $(ini_key "$skin" Shading Left) + 20)) $((y + $(ini_key "$skin" Shading Top) + 8)) \
        click --repeat 2 --delay 80 1 mousemove 0 767
      sleep 1
      options=(--shaded) ;;
  esac
  # The hover look comes at once; the tool tip, a window of its own that
  # the render leaves out, only after Qt's 700 ms.
  sleep 0.3
  read -r x y w h < <(e2e_geometry "$window")
  x11_screenshot "$app/screen.png"
  wmctrl -c Quorvex
  wait "$launcher" || e2e_fail "launcher exited with $?"

  local rendered=$app/render-$skin-$section$state.png
  QUORVEX_CLASSES_ROOT=$app/classes-root.ini "$app/quorvex" --render-skin "$app/skins/$skin" \
    -o "$rendered" --section "$section" "${options[@]}" 2>"$app/render.log" || e2e_fail "render failed: $(cat "$app/render.log")"
  read -r rw rh < <(identify -format '%w %h\n' "$rendered")
  [ "$rw" = "$w" ] && [ "$rh" = "$h" ] || e2e_fail "$skin: render is ${rw}x${rh}, window ${w}x${h}"

  local -a draws=(-fill black)
  for part in Clock FilmLoop1; do
    local rect
    rect=$(blank_rect "$skin" "$part")
    [ -n "$rect" ] && draws+=(-draw "${rect#-draw }")
  done
  draws=("${draws[@]//_/ }")
  convert "$app/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -alpha off "${draws[@]}" "$app/seen.png"
  convert "$rendered" -background black -alpha remove -alpha off "${draws[@]}" "$app/drawn.png"
  local differing
  differing=$(compare -metric AE "$app/seen.png" "$app/drawn.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || e2e_fail "$skin section $section $state: $differing pixels differ from the running window"
  echo "ok: $skin section $section $state"
}

check_case Slatewise 1
check_case Slatewise 2
check_case Ferrolume 1
check_case Ferrolume 2
check_case Ferrolume 1 hover
check_case Ferrolume 1 shaded
echo "PASS"
