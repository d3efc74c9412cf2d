#!/usr/bin/env bash
# A whole level played from the keyboard alone, in the real game under Xvfb: Return goes on
# from the title and from the map, Z and X turn the held set, the arrows take it into the
# board's top corner, where chips block every drop, and away from it, P holds the game and lets
# it go again, and Return drops it. The first level's layout is made of five full rows at the bottom, the
# chips in the corner and nothing else, so the first drop that lands sets off the chain that
# clears the level's five rows: the map comes back with the player on the second level, which
# the roster keeps. All this well within the level's countdown of 20 seconds, so the drop was
# the keys' and not the countdown's.
set -euo pipefail
: "${BRILLOR_EXE:?}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"

copy_game_to_work
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak" "$work/dat/records.txt"
python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" 1
# The first level's layout: rows 13 to 17 full of plain gems of every colour, chips in rows and
# columns 0 to 3, the rest empty.
python3 - "$work/dat/d20" <<'PY'
import sys
def cell(row, col):
    if row >= 13: return (row + col) % 5
    return 10 + (row + col) % 5 if row < 4 and col < 4 else 255
cells = bytes(cell(row, col) for row in range(18) for col in range(12))
open(sys.argv[1], "wb").write(cells)
PY
roster_level() { python3 -c 'import struct, sys; print(struct.unpack_from("<i", open(sys.argv[1], "rb").read(), 44)[0])' "$work/dat/b01"; }
# A checksum of the play field as shown now.
field() { import -window "$window" -crop 400x500+221+20 +repage rgb:- 2>/dev/null | md5sum; }
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }

"$work/$(basename "$BRILLOR_EXE")" 2>>"$work/stderr.txt" &
pid=$!
window=$(main_window) || fail "no window captioned 'Brillor I'"
# No window manager here gives the window the keyboard: the test does.
xdotool windowfocus --sync "$window"
sleep 2
keys Return
sleep 2
keys Return
started=$SECONDS
sleep 1
[ "$(roster_level)" = 1 ] || fail "the roster is not on the first level"
# The set starts in the top row, where it could drop. Turned, then pushed up and left into the
# corner, every gem lies in the chips' four rows and columns (give or take the rows' half-cell
# shifts) and nothing drops; down and right, it is clear of the chips and of the full rows.
keys z z x
keys Up Up Up Up Left Left Left Left Left Left Return Down Down Down Down Down Right Right Right Right Right Right
[ -n "${SHOT_DIR:-}" ] && import -window "$window" "$SHOT_DIR/e2e-keyboard.png"
# Held, the game takes no drop; let go, it does.
keys p
held=$(field)
keys Return
sleep 1
[ "$(field)" = "$held" ] || fail "the field moved while the game was held"
keys p Return
# The chain of five rows, the payout, then the map of the next level.
while [ "$(roster_level)" != 2 ] && [ $((SECONDS - started)) -lt 30 ]; do sleep 0.2; done
passed_after=$((SECONDS - started))
[ -n "${SHOT_DIR:-}" ] && import -window "$window" "$SHOT_DIR/e2e-keyboard-map.png"
kill -TERM "$pid"
game_ended_within 10 || fail "the game did not quit"
[ "$(roster_level)" = 2 ] || fail "the level was not passed: the roster is on level $(roster_level)"
[ "$passed_after" -lt 18 ] || fail "the level was passed only after $passed_after s: by the countdown?"
echo "the level was passed from the keyboard, $passed_after s after it began"
