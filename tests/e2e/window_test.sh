#!/usr/bin/env bash
# Starts the real game under Xvfb, finds its window by caption, checks its size, takes a
# screenshot, closes it (like the close button, and with SIGTERM and SIGHUP) and checks that the
# settings file was written with its 9 bytes each time; then quits it on signals in a read-only
# data folder.
set -euo pipefail
: "${BRILLOR_EXE:?}" "${WM_CLOSE:?}" "${SHOT_DIR:=.}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"

# The game with its data folders, minus any player files from earlier runs.
copy_game_to_work
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/options.txt" "$work/dat/records.txt"

# A roster of one player at the given level, who is current.
write_roster() { python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" "$1"; }

start_game() {
  rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak"
  write_roster 1
  "$work/$(basename "$BRILLOR_EXE")" &
  pid=$!
  window=$(main_window) || fail "no window captioned 'Brillor I'"
  echo "window $window"
}

wait_exit() {
  game_ended_within 10 || fail "the game did not quit"
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
# The window may be found a moment before it takes its size.
for _ in $(seq 30); do
  info=$(xwininfo -id "$window")
  width=$(awk '/Width:/ {print $2}' <<<"$info")
  height=$(awk '/Height:/ {print $2}' <<<"$info")
  [ "$width" = 640 ] && break
  sleep 0.1
done
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
# 3. The system asks the game to quit while a message box is open (the title music is missing).
mv "$work/mp3/start.mp3" "$work/mp3/start.mp3.away"
start_game
for _ in $(seq 50); do
  [ "$(shown_windows)" -ge 2 ] && break
  sleep 0.1
done
[ "$(shown_windows)" -ge 2 ] || fail "no message about the missing title music"
kill -TERM "$pid"
wait_exit
check_settings "SIGTERM with a message box open"
mv "$work/mp3/start.mp3.away" "$work/mp3/start.mp3"

# 4. The game's own flow: title, a click to the map, a click to the board, with a player at
# level 47.
# How far the play field of a window screenshot is from a 400 x 500 picture (0 = the same).
field_distance() {
  convert "$1" -crop 400x500+221+20 +repage "$work/field.png"
  # compare exits 1 when the pictures differ, which is the point here.
  { compare -metric RMSE "$work/field.png" "$2" null: 2>&1 || true; } | sed -E 's/.*\(([0-9.e-]+)\).*/\1/'
}
closer_to() {  # shot, the picture it must resemble, the one it must not
  local near far
  near=$(field_distance "$1" "$2"); far=$(field_distance "$1" "$3")
  awk -v n="$near" -v f="$far" 'BEGIN { exit !(n < f) }' || fail "$1 looks more like $3 ($far) than $2 ($near)"
}
# A fresh player at level 47: no settings, and no level in progress left by the runs above.
rm -f "$work/dat/b00" "$work"/dat/round-*
write_roster 47
"$work/$(basename "$BRILLOR_EXE")" &
pid=$!
window=$(main_window) || fail "no window for the flow"
sleep 1.5
import -window "$window" "$SHOT_DIR/e2e-title.png"
closer_to "$SHOT_DIR/e2e-title.png" "$work/bmp/lambskin.bmp" "$work/dat/x00"
xdotool mousemove --window "$window" 400 250 click 1
sleep 1
import -window "$window" "$SHOT_DIR/e2e-map.png"
closer_to "$SHOT_DIR/e2e-map.png" "$work/bmp/lambskin.bmp" "$work/dat/x00"
convert "$SHOT_DIR/e2e-title.png" -crop 400x500+221+20 +repage "$work/title-field.png"
closer_to "$SHOT_DIR/e2e-map.png" "$work/bmp/lambskin.bmp" "$work/title-field.png"
xdotool click 1
sleep 1
import -window "$window" "$SHOT_DIR/e2e-board.png"
closer_to "$SHOT_DIR/e2e-board.png" "$work/dat/x00" "$work/bmp/lambskin.bmp"
echo "title, map and board shown in turn"
"$WM_CLOSE" "$window"
wait_exit
# 5. A first start without a roster asks for a player: New, a name, Enter, Enter.
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak"
"$work/$(basename "$BRILLOR_EXE")" &
pid=$!
main=$(main_window) || fail "no window on a first start"
# The list, its buttons, and the selected player's record under them.
players=$(window_of_size 330x255) || fail "no 330x255 players window on a first start"
echo "players window $players"
import -window "$players" "$SHOT_DIR/e2e-players.png"
xdotool mousemove --window "$players" 60 216 click 1
window_of_size 316x136 >/dev/null || fail "New did not ask for a name"
sleep 0.3
# Typed at the keyboard: the window with the focus takes the keys.
xdotool type --delay 20 "Robin"
import -window root "$SHOT_DIR/e2e-input.png"
xdotool key Return
sleep 0.5
xdotool key Return
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the game ended after the player was chosen"
import -window "$main" "$SHOT_DIR/e2e-first-title.png"
closer_to "$SHOT_DIR/e2e-first-title.png" "$work/bmp/lambskin.bmp" "$work/dat/x00"
"$WM_CLOSE" "$main"
wait_exit
python3 - "$work/dat/b01" <<'PY' || fail "the new player was not saved as current"
import struct, sys
data = open(sys.argv[1], "rb").read()
count, = struct.unpack_from("<i", data, 0)
name = data[4:44].split(b"\0")[0]
current, = struct.unpack_from("<i", data, 4 + 56 * count)
assert (count, name, current) == (1, b"Robin", 0), (count, name, current)
PY
echo "a first start made and saved the player Robin"

# 6. High scores open and Enter closes them; the options set the music volume and the turning
# direction, and both are kept in the settings at exit.
start_game
main=$window
sleep 1
xdotool mousemove --window "$main" 140 400 click 1
top10=$(window_of_size 405x505) || fail "High Scores did not open a 405x505 window"
import -window root "$SHOT_DIR/e2e-top10.png"
xdotool key Return
sleep 0.5
window_of_size 405x505 >/dev/null 2>&1 && fail "Enter did not close the high scores"
xdotool mousemove --window "$main" 70 440 click 1
options=$(window_of_size 287x377) || fail "Setting did not open the options"
xdotool mousemove --window "$options" 144 68 click 1
xdotool mousemove --window "$options" 53 287 click 1
import -window root "$SHOT_DIR/e2e-options.png"
# "More...": the second page opens over the first; symbols on gems is ticked and kept.
xdotool mousemove --window "$options" 232 340 click 1
sleep 0.5
xdotool mousemove --window "$options" 42 65 click 1
import -window root "$SHOT_DIR/e2e-more-options.png"
xdotool key Return
sleep 0.5
xdotool key Return
sleep 0.5
"$WM_CLOSE" "$main"
wait_exit
python3 - "$work/dat/b00" <<'PY' || fail "the options were not kept in dat/b00"
import struct, sys
music, sound, turning = struct.unpack("<iiB", open(sys.argv[1], "rb").read())
assert (music, turning) == (498, 0), (music, sound, turning)
PY
echo "high scores shown; music volume 498 and clockwise turning kept"
grep -qx "symbols=1" "$work/dat/options.txt" || fail "symbols on gems was not kept in dat/options.txt"
echo "symbols on gems kept in dat/options.txt"

# 7. A closed terminal or a logout (SIGHUP) saves like SIGTERM.
start_game
kill -HUP "$pid"
wait_exit
check_settings "SIGHUP"

# 8. A read-only data folder: a quit signal still ends the game within 2 s, the failed saves are
# named with their reason on the error stream (no box waits for OK), and the files stay as they were.
exe="$work/$(basename "$BRILLOR_EXE")"
# A game whose folder cannot be written keeps the player's files in XDG_DATA_HOME: both are
# mounted read-only.
xdg="$work/xdg"
start_read_only() {
  unshare -rm sh -c 'mount --bind -o ro "$1/dat" "$1/dat" && mount --bind -o ro "$3/brillor/dat" "$3/brillor/dat" &&
    XDG_DATA_HOME="$3" exec "$2"' sh "$work" "$exe" "$xdg" 2>"$work/stderr.txt" &
  pid=$!
  timeout 30 xdotool search --sync --name '^Brillor I$' >/dev/null || fail "no window in a read-only folder ($1)"
  sleep 1
}
wait_exit_2s() {
  game_ended_within 2 || fail "the game did not quit within 2 s ($1)"
  wait "$pid" || true
  echo "quit within 2 s ($1)"
}
if unshare -rm true 2>/dev/null; then
  start_game
  "$WM_CLOSE" "$window"
  wait_exit
  cp "$work/dat/b01" "$work/b01.before"
  mkdir -p "$xdg/brillor/dat"
  cp "$work/dat/b00" "$work/dat/b01" "$xdg/brillor/dat/"
  start_read_only "SIGTERM while playing"
  kill -TERM "$pid"
  wait_exit_2s "SIGTERM while playing"
  grep -q 'Cannot create file ".*dat/b00": Read-only file system' "$work/stderr.txt" ||
    fail "no reasoned message about the settings: $(cat "$work/stderr.txt")"
  grep -q 'Cannot create file ".*dat/b01": Read-only file system' "$work/stderr.txt" ||
    fail "no reasoned message about the roster: $(cat "$work/stderr.txt")"
  cmp -s "$xdg/brillor/dat/b01" "$work/b01.before" || fail "the roster changed in a read-only folder"
  echo "read-only folder: reasons named on the error stream"
  # The roster cut short: a message opens at start-up, before the main window; SIGHUP ends it.
  head -c 30 "$work/b01.before" >"$xdg/brillor/dat/b01"
  start_read_only "SIGHUP at a start-up message"
  kill -HUP "$pid"
  wait_exit_2s "SIGHUP at a start-up message"
  [ "$(stat -c %s "$xdg/brillor/dat/b01")" = 30 ] || fail "the damaged roster was touched"
else
  echo "skipped the read-only folder: no user namespaces here"
fi

# 9. No sound device: the player's stored effect volume is written back as it was.
printf '\350\003\000\000\074\366\377\377\001' >"$work/dat/b00"  # music 1000, effects -2500, turning 1
SDL_AUDIODRIVER=no-such-driver "$exe" &
pid=$!
timeout 30 xdotool search --sync --name '^Brillor I$' >/dev/null || fail "no window without a sound device"
kill -TERM "$pid"
wait_exit
effects=$(od -A n -t d4 -j 4 -N 4 "$work/dat/b00" | tr -d ' ')
[ "$effects" = -2500 ] || fail "without a sound device the effect volume became $effects"
echo "no sound device: effect volume kept at $effects"

# 10. --editor starts the game with the level editor's tool window shown beside the main window.
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak"
write_roster 1
"$work/$(basename "$BRILLOR_EXE")" --editor &
pid=$!
main=$(main_window) || fail "no main window with --editor"
timeout 10 xdotool search --sync --name '^frmEditor$' >/dev/null || fail "--editor showed no window captioned 'frmEditor'"
editor=$(xdotool search --name '^frmEditor$' | head -1)
for _ in $(seq 30); do
  xwininfo -id "$editor" | grep -q IsViewable && break
  sleep 0.1
done
xwininfo -id "$editor" | grep -q IsViewable || fail "the frmEditor window is not shown"
import -window root "$SHOT_DIR/e2e-editor.png"
"$WM_CLOSE" "$main"
wait_exit
echo "--editor shows the tool window frmEditor"
echo "e2e: all checks passed"
