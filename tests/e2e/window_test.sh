#!/usr/bin/env bash
# Starts the real game under Xvfb, finds its window by caption, checks its size, takes a
# screenshot, closes it (like the close button, and with SIGTERM and SIGHUP) and checks that the
# settings file was written with its 9 bytes each time; then quits it on signals in a read-only
# data folder.
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

# 4. A closed terminal or a logout (SIGHUP) saves like SIGTERM.
start_game
kill -HUP "$pid"
wait_exit
check_settings "SIGHUP"

# 5. A read-only data folder: a quit signal still ends the game within 2 s, the failed saves are
# named with their reason on the error stream (no box waits for OK), and the files stay as they were.
exe="$work/$(basename "$BRILLOR_EXE")"
start_read_only() {
  unshare -rm sh -c 'mount --bind -o ro "$1/dat" "$1/dat" && exec "$2"' sh "$work" "$exe" 2>"$work/stderr.txt" &
  pid=$!
  timeout 30 xdotool search --sync --name '^Brillor I$' >/dev/null || fail "no window in a read-only folder ($1)"
  sleep 1
}
wait_exit_2s() {
  for _ in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not quit within 2 s ($1)"
  wait "$pid" || true
  echo "quit within 2 s ($1)"
}
if unshare -rm true 2>/dev/null; then
  start_game
  "$WM_CLOSE" "$window"
  wait_exit
  cp "$work/dat/b01" "$work/b01.before"
  start_read_only "SIGTERM while playing"
  kill -TERM "$pid"
  wait_exit_2s "SIGTERM while playing"
  grep -q 'Cannot create file ".*dat/b00": Read-only file system' "$work/stderr.txt" ||
    fail "no reasoned message about the settings: $(cat "$work/stderr.txt")"
  grep -q 'Cannot create file ".*dat/b01": Read-only file system' "$work/stderr.txt" ||
    fail "no reasoned message about the roster: $(cat "$work/stderr.txt")"
  cmp -s "$work/dat/b01" "$work/b01.before" || fail "the roster changed in a read-only folder"
  echo "read-only folder: reasons named on the error stream"
  # The roster cut short: a message opens at start-up, before the main window; SIGHUP ends it.
  head -c 30 "$work/b01.before" >"$work/dat/b01"
  start_read_only "SIGHUP at a start-up message"
  kill -HUP "$pid"
  wait_exit_2s "SIGHUP at a start-up message"
  [ "$(stat -c %s "$work/dat/b01")" = 30 ] || fail "the damaged roster was touched"
else
  echo "skipped the read-only folder: no user namespaces here"
fi

# 6. No sound device: the player's stored effect volume is written back as it was.
printf '\350\003\000\000\074\366\377\377\001' >"$work/dat/b00"  # music 1000, effects -2500, turning 1
SDL_AUDIODRIVER=no-such-driver "$exe" &
pid=$!
timeout 30 xdotool search --sync --name '^Brillor I$' >/dev/null || fail "no window without a sound device"
kill -TERM "$pid"
wait_exit
effects=$(od -A n -t d4 -j 4 -N 4 "$work/dat/b00" | tr -d ' ')
[ "$effects" = -2500 ] || fail "without a sound device the effect volume became $effects"
echo "no sound device: effect volume kept at $effects"
echo "e2e: all checks passed"
