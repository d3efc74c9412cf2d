#!/usr/bin/env bash
# The play field as the X server shows it: frames sent straight to the server (through shared
# memory, and in PutImage requests) must look the same as frames painted through Qt, keep
# coming, and survive the window being hidden and shown again (which shows Qt's own copy of the
# window).
set -euo pipefail
: "${BRILLOR_EXE:?}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"

copy_game_to_work
# A current player at level 1, so the game opens on its title.
python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" 1

# The title's still part (all but the fading prompt at the bottom) and the prompt, cut from a
# window screenshot.
still() { convert "$1" -crop 400x420+221+20 +repage "$2"; }
prompt() { convert "$1" -crop 180x36+331+452 +repage "$2"; }
# Differing pixels between two pictures.
differing() { { compare -metric AE "$1" "$2" null: 2>&1 || true; } | awk '{ print $1 }'; }

# Starts the game with the given environment, shows its title for a moment, and leaves
# screenshots NAME-shown.png, NAME-later.png and, after hiding and showing the window again,
# NAME-again.png.
shoot() {
  local name=$1
  shift
  rm -f "$work/dat/b00"
  (cd "$work" && exec env "$@" "./$(basename "$BRILLOR_EXE")") &
  pid=$!
  window=$(main_window) || fail "no window ($name)"
  sleep 1.5
  import -window "$window" "$work/$name-shown.png"
  sleep 0.25
  import -window "$window" "$work/$name-later.png"
  xdotool windowunmap --sync "$window"
  sleep 0.3
  xdotool windowmap --sync "$window"
  sleep 0.5
  import -window "$window" "$work/$name-again.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

shoot qt BRILLOR_QT_PRESENT=1
still "$work/qt-shown.png" "$work/qt-shown-still.png"
for way in shared put; do
  if [ "$way" = shared ]; then shoot shared X=1; else shoot put QT_XCB_NO_MITSHM=1; fi
  for shot in shown again; do still "$work/$way-$shot.png" "$work/$way-$shot-still.png"; done
  same=$(differing "$work/$way-shown-still.png" "$work/qt-shown-still.png")
  [ "$same" = 0 ] || fail "the title sent straight to X ($way) differs from Qt's in $same pixels"
  same=$(differing "$work/$way-shown-still.png" "$work/$way-again-still.png")
  [ "$same" = 0 ] || fail "after hiding and showing the window, $same pixels of the title are stale ($way)"
  prompt "$work/$way-shown.png" "$work/prompt-shown.png"
  prompt "$work/$way-later.png" "$work/prompt-later.png"
  moved=$(differing "$work/prompt-shown.png" "$work/prompt-later.png")
  [ "$moved" -gt 0 ] || fail "the fading prompt stood still for 0.25 s ($way)"
done
echo "frames sent straight to X (shared and put) match Qt's, keep fading, and survive hiding the window"
