#!/usr/bin/env bash
# A level resumed after a kill, in the real game under Xvfb: a player at level 2 drops sets for
# 16 seconds, the autosave after 30 seconds of play writes the level in progress, and the game is
# killed. Started again, the title and the map come as always; the click on the map resumes the
# level under "Click to continue". Ended there (SIGTERM, which saves at exit), the game writes
# the round it resumed: byte for byte the file it read, so the model shown is the one saved.
set -euo pipefail
: "${BRILLOR_EXE:?}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"

copy_game_to_work
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/options.txt" "$work/dat/records.txt"
python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" 2
round=$work/dat/round-n546573746572.txt

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
sleep 16
[ -f "$round" ] || fail "no round file after the autosave"
cp "$round" "$work/saved-round.txt"
grep -q '^cells ' "$round" || fail "the round file holds no board"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
echo "killed after the autosave"

start_game
enter_level
[ -n "${SHOT_DIR:-}" ] && import -window "$window" "$SHOT_DIR/e2e-resumed.png"
kill -TERM "$pid"
game_ended_within 10 || fail "the game did not quit"
[ -f "$round" ] || fail "the round file went at exit"
cmp "$work/saved-round.txt" "$round" || fail "the resumed round is not the saved one"
ls "$work/dat" | grep -q 'round.*damaged' && fail "the round file was set aside"
echo "the resumed round is the saved one"
