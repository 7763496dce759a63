#!/usr/bin/env bash
# Started with --autostart, or with [Options] ShowSplash=0 in Quorvex.ini, the
# launcher puts up no splash at all before its window. A plain start, with
# the same real pauses, shows its splash first: the watch does see splashes.
set -euo pipefail
source "$QUORVEX_SOURCE_DIR/tests/support/e2e-app.sh"
e2e_begin app

visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# splash_before_window ARGS...: starts the launcher with its real pauses and
# prints "splash" when a splash was on screen before the main window came.
splash_before_window() {
  QUORVEX_PAUSE_SCALE=1 QUORVEX_CLASSES_ROOT=$app/classes-root.ini \
    "$app/quorvex" "$@" >"$app/stdout.log" 2>"$app/stderr.log" &
  launcher=$!
  e2e_launcher_folder=$app # a launcher that does not close shows its stderr
  local seen=none deadline=$((SECONDS + 30))
  while [ $SECONDS -lt $deadline ] && ! visible Quorvex; do
    visible "Quorvex Splash" && seen=splash
    sleep 0.05
  done
  visible Quorvex || e2e_fail "no launcher window for '$*'; stderr: $(cat "$app/stderr.log")"
  e2e_stop_launcher
  echo "$seen"
}

[ "$(splash_before_window)" = splash ] || e2e_fail "a plain start showed no splash"
[ "$(splash_before_window --autostart)" = none ] || e2e_fail "--autostart showed the splash"
printf '[Options]\nShowSplash=0\n' >>"$app/Quorvex.ini"
[ "$(splash_before_window)" = none ] || e2e_fail "ShowSplash=0 showed the splash"
[ "$(splash_before_window --autostart)" = none ] || e2e_fail "ShowSplash=0 with --autostart showed the splash"
echo PASS
