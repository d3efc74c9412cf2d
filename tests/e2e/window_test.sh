#!/usr/bin/env bash
# Starts the real game under Xvfb, finds its window by caption, checks its size, takes a
# screenshot, closes it (once like the close button, once with SIGTERM) and checks that the
# settings file was written with its 9 bytes each time.
set -euo pipefail
: "${BRILLOR_EXE:?}" "${WM_CLOSE:?}" "${SHOT_DIR:=.}"

if [ -z "${INSIDE_XVFB:-}" ]; then
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# The game with its data folders, minus any player files from earlier runs.
cp -r "$(dirname "$BRILLOR_EXE")"/. "$work"/
rm -f "$work/dat/b00" "$work/dat/b01"
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy

start_game() {
  rm -f "$work/dat/b00" "$work/dat/b01"
  "$work/$(basename "$BRILLOR_EXE")" &
  pid=$!
  window=$(timeout 30 xdotool search --sync --name '^Brillor I$' | head -n 1) || fail "no window captioned 'Brillor I'"
  echo "window $window"
}

wait_exit() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not quit"
  wait "$pid" || fail "the game exited with status $?"
}

check_settings() {
  [ -f "$work/dat/b00" ] || fail "dat/b00 was not written ($1)"
  size=$(stat -c %s "$work/dat/b00")
  [ "$size" -eq 9 ] || fail "dat/b00 has $size bytes, not 9 ($1)"
  echo "dat/b00 written with 9 bytes ($1)"
  [ -f "$work/dat/b01" ] || fail "dat/b01 (the roster) was not written ($1)"
}

# 1. Close button.
start_game
info=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
[ "$width" = 640 ] && [ "$height" = 560 ] || fail "window is ${width}x${height}, not 640x560"
echo "window size ${width}x${height}"
sleep 1
xdotool mousemove --window "$window" 400 200 click 1 click 3
shot="$SHOT_DIR/e2e-window.png"
import -window "$window" "$shot" || fail "no screenshot"
shot_size=$(identify -format '%wx%h' "$shot")
[ "$shot_size" = 640x560 ] || fail "screenshot is $shot_size"
echo "screenshot $shot ($shot_size)"
"$WM_CLOSE" "$window"
wait_exit
check_settings "close button"

# 2. The system asks the game to quit.
start_game
kill -TERM "$pid"
wait_exit
check_settings "SIGTERM"
# 3. The system asks the game to quit while a message box is open (a level file is missing).
mv "$work/dat/a00" "$work/dat/a00.away" 2>/dev/null || true
start_game
for _ in $(seq 50); do
  [ "$(xdotool search --name '^Brillor I$' | wc -l)" -ge 2 ] && break
  sleep 0.1
done
[ "$(xdotool search --name '^Brillor I$' | wc -l)" -ge 2 ] || fail "no message about the missing level file"
kill -TERM "$pid"
wait_exit
check_settings "SIGTERM with a message box open"
mv "$work/dat/a00.away" "$work/dat/a00" 2>/dev/null || true
echo "e2e: all checks passed"
