#!/usr/bin/env bash
# A level resumed after a kill, in the real game under Xvfb: a player at level 2 drops sets for
# 16 seconds, the autosave after 30 seconds of play writes the level in progress, and the game is
# killed. Started again, the title and the map come as always; the click on the map resumes the
# level under "Click to continue". Ended there (SIGTERM, which saves at exit), the game writes
# the round it resumed: byte for byte the file it read, so the model shown is the one saved.
# What is shown is compared too: the colour round the centre of every board cell just before the
# kill and after the resume, but for the cells under the held set, under "Click to continue" and
# under the countdown ring.
set -euo pipefail
: "${BRILLOR_EXE:?}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"

copy_game_to_work
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/options.txt" "$work/dat/records.txt"
python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" 2
round=$work/dat/round-n546573746572.txt

shot() { import -window "$window" -depth 8 "$1"; }

# The board cells shown otherwise in two shots of the game's window, one "row,col" a line: the
# median colour of the 15 x 15 pixels round the cell's centre differs by more than 40 in a
# channel (a sparkle passing over a gem changes less than that).
# Cell (r, c) has its picture's corner at (4 + (2c + r mod 2) * 15.588, 27 r) in the field,
# which lies at (221, 20) in the window, and its centre half a picture (31 x 36) further on.
# Left out: cells near the held set's anchor (row, col), those in the band of the centred words,
# and those under the countdown ring (a band 50 pixels wide round the field's (200, 200), radius
# 100), which lies over the board and is not part of it.
differing_cells() {
  python3 - "$@" <<'PY'
import sys

def read_ppm(path):
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace(): at += 1
        start = at
        while not data[at:at + 1].isspace(): at += 1
        fields.append(data[start:at])
    width, height = int(fields[1]), int(fields[2])
    return width, data[at + 1:]

def centre(row, col):
    return (221 + 4 + (2 * col + row % 2) * 15.588 + 15.588, 20 + 27 * row + 18)

def colour(image, x, y):
    width, pixels = image
    at = 3 * (int(y) * width + int(x))
    return pixels[at:at + 3]

def median_colour(image, x, y):
    spots = [colour(image, x + dx, y + dy) for dx in range(-7, 8) for dy in range(-7, 8)]
    return [sorted(spot[channel] for spot in spots)[len(spots) // 2] for channel in range(3)]

def differs(x, y):
    return max(abs(a - b) for a, b in zip(median_colour(saved, x, y), median_colour(resumed, x, y))) > 40

saved, resumed = read_ppm(sys.argv[1]), read_ppm(sys.argv[2])
held_x, held_y = centre(int(sys.argv[3]), int(sys.argv[4]))
for row in range(18):
    for col in range(12):
        x, y = centre(row, col)
        ring = ((x - 421) ** 2 + (y - 220) ** 2) ** 0.5
        if (x - held_x) ** 2 + (y - held_y) ** 2 < 80 ** 2 or abs(y - 270) < 30 or 72 < ring < 128:
            continue
        if differs(x, y):
            print(f"{row},{col}")
PY
}

start_game() {
  "$work/$(basename "$BRILLOR_EXE")" 2>>"$work/stderr.txt" &
  pid=$!
  window=$(main_window) || fail "no window captioned 'Brillor I'"
}

# Title, then map, then the level, each by a click.
enter_level() {
  sleep 2
  xdotool mousemove --window "$window" 400 300 click 1
  sleep 2
  xdotool mousemove --window "$window" 400 300 click 1
  sleep 1.5
}

start_game
enter_level
for i in $(seq 8); do
  xdotool mousemove --window "$window" $((260 + 40 * i)) 470 click 1
  sleep 2
done
[ -f "$round" ] && fail "a round file before the autosave"
for _ in $(seq 200); do
  [ -f "$round" ] && break
  sleep 0.1
done
[ -f "$round" ] || fail "no round file after the autosave"
cp "$round" "$work/saved-round.txt"
grep -q '^cells ' "$round" || fail "the round file holds no board"
# A set the countdown dropped just before the save wears its TIME OUT stamp for 2 s, over the
# cells it landed on: the shot waits for it to fade while the new countdown is young. Otherwise
# the countdown may soon drop the set by itself, so the shot is taken right before the kill.
read -r _ _ countdown _ < <(grep '^timers ' "$round")
awk -v c="$countdown" 'BEGIN { exit !(c < 0.3) }' && sleep 2.2
shot "$work/saved.ppm"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
echo "killed after the autosave"

start_game
enter_level
shot "$work/resumed.ppm"
[ -n "${SHOT_DIR:-}" ] && cp "$work/saved.ppm" "$work/resumed.ppm" "$work/saved-round.txt" "$SHOT_DIR"/
[ -n "${SHOT_DIR:-}" ] && import -window "$window" "$SHOT_DIR/e2e-resumed.png"
read -r _ held_row held_col _ < <(grep '^held ' "$round")
differing=$(differing_cells "$work/saved.ppm" "$work/resumed.ppm" "$held_row" "$held_col")
[ -z "$differing" ] || fail "board cells shown otherwise than saved (row,col): $(echo $differing)"
echo "the board shown after the resume is the one saved"
kill -TERM "$pid"
game_ended_within 10 || fail "the game did not quit"
[ -f "$round" ] || fail "the round file went at exit"
cmp "$work/saved-round.txt" "$round" || fail "the resumed round is not the saved one"
ls "$work/dat" | grep -q 'round.*damaged' && fail "the round file was set aside"
echo "the resumed round is the saved one"
