#!/usr/bin/env bash
# A game played from the keyboard alone, on a desktop players use (keyboard_test.sh DESKTOP:
# openbox, wayland or xwayland; see desktops.sh): Return goes on from the title and from the
# map, the arrows steer the held set, Z and X turn it and Return drops it; P holds the game
# and lets it go again; F4 opens the options and Return closes them, F3 the high scores and Esc
# closes them; Ctrl+Q quits, saving. No click at all: the desktop gives the new window the keys.
#
# The first level's layout is made of five full rows at the bottom, the chips in the corner and
# nothing else, so the first drop that lands sets off the chain that clears the level's five
# rows: the map comes back with the player on the second level, which the roster keeps. All
# this well within the level's countdown of 20 seconds, so the drop was the keys' and not the
# countdown's. Each step is checked on the screen or in the files.
set -euo pipefail
: "${BRILLOR_EXE:?}"
desktop=${1:?which desktop}

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"
source "$(dirname "$0")/desktops.sh"
start_desktop "$desktop"

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
keys() { for key in "$@"; do xdotool key "$key"; sleep 0.15; done; }
# The play field as shown now, as $shots/NAME.png.
field() {
  shot screen
  convert "$shots/screen.png" -crop "400x500+$((ox + 221))+$((oy + 20))" +repage "$shots/$1.png"
}
same() { [ "$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1)" = 0 ]; }
# Waits up to 10 s for the field to differ from the picture NAME; keeps the new one as NEW.
field_leaves() {
  for _ in $(seq 40); do
    sleep 0.25
    field "$2"
    same "$1" "$2" || return 0
  done
  return 1
}
brightness() { convert "$shots/$1.png" -colorspace gray -format '%[fx:int(255 * mean)]' info:; }
# Whether a dialog W pixels wide with an edge of colour RGB shows now, over the middle of the
# game's window.
dialog_shown() {
  shot screen
  dialog_centre "$shots/screen.png" "$1" $((ox + 320)) "$2" >/dev/null 2>&1
}
dialog_opens() { for _ in $(seq 20); do dialog_shown "$@" && return 0; sleep 0.25; done; return 1; }
dialog_closes() { for _ in $(seq 20); do dialog_shown "$@" || return 0; sleep 0.25; done; return 1; }
options=(287 70,40,20) scores=(405 255,255,255)

run_game "$work/$(basename "$BRILLOR_EXE")"
read -r ox oy <<<"$(game_origin)" || fail "the game's window did not show"
[ -n "${ox:-}" ] || { cat "$shots/game.log"; fail "the game's window did not show"; }
echo "the game shows at $ox,$oy on $desktop"
sleep 2
field title
keys Return
field_leaves title map || fail "Return did not go on from the title"
echo "Return: the title went on to the map"
sleep 1.5
field map
keys Return
field_leaves map level || fail "Return did not go on from the map"
started=$SECONDS
sleep 1
[ "$(roster_level)" = 1 ] || fail "the roster is not on the first level"
echo "Return: the map went on to the level"

# Down and right, the set is clear of the chips and of the full rows whatever its shape and turn.
field before_steps
keys Down Down Down Down Down Right Right Right Right Right Right z z x
field_leaves before_steps steered || fail "the arrows, Z and X did not move the set"
[ -n "${SHOT_DIR:-}" ] && cp "$shots/steered.png" "$SHOT_DIR/e2e-keyboard-$desktop.png"
keys Return
# Held at once, the chain stands still and the field darkens under "Paused".
keys p
sleep 0.5
field held
sleep 1
field held_later
same held held_later || fail "the field moved while the game was held"
[ "$(brightness held)" -lt $(($(brightness steered) * 2 / 3)) ] ||
  fail "the field is not covered while held ($(brightness held) against $(brightness steered))"
echo "P held the game, the field covered"
keys p
# The chain of five rows, the payout, then the map of the next level.
while [ "$(roster_level)" != 2 ] && [ $((SECONDS - started)) -lt 30 ]; do sleep 0.2; done
passed_after=$((SECONDS - started))
[ "$(roster_level)" = 2 ] || fail "the level was not passed: the roster is on level $(roster_level)"
[ "$passed_after" -lt 18 ] || fail "the level was passed only after $passed_after s: by the countdown?"
echo "Return dropped the set; the level was passed $passed_after s after it began"
sleep 1.5

keys F4
dialog_opens "${options[@]}" || fail "F4 did not open the options"
keys Return
dialog_closes "${options[@]}" || fail "Return did not close the options"
echo "F4 opened the options, Return closed them"
keys F3
dialog_opens "${scores[@]}" || fail "F3 did not open the high scores"
[ -n "${SHOT_DIR:-}" ] && cp "$shots/screen.png" "$SHOT_DIR/e2e-keyboard-scores-$desktop.png"
keys Escape
dialog_closes "${scores[@]}" || fail "Esc did not close the high scores"
echo "F3 opened the high scores, Esc closed them"

keys ctrl+q
game_ended_within 10 || fail "Ctrl+Q did not quit"
wait "$pid" || { tail -20 "$shots/game.log"; fail "the game exited with status $?"; }
[ "$(stat -c %s "$work/dat/b00")" -eq 9 ] || fail "the settings were not saved"
[ "$(roster_level)" = 2 ] || fail "the roster lost the level"
echo "Ctrl+Q quit, the settings and the roster saved"
echo "PASS"
