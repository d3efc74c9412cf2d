#!/usr/bin/env bash
# The game on an X desktop. Without a window manager, whose X server ignores a request to
# minimise, Space still holds the game and a click brings it back. Under openbox: Space
# minimises and holds the game, activating the window resumes it, the first player list and the
# options window open centred over the main window, and the main window has the keyboard again
# after the options window and after the editor's tool window close.
set -euo pipefail
: "${BRILLOR_EXE:?}" "${WM_CLOSE:?}" "${SHOT_DIR:=.}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"
command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 0; }

copy_game_to_work
exe="$work/$(basename "$BRILLOR_EXE")"

# Absolute centre of a window: "x y".
centre_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print int(x + w / 2), int(y + h / 2)}'
}
# Fails unless the window of that size opens within 2 pixels of the main window's centre.
expect_centred() {
  local dialog main_centre dialog_centre
  dialog=$(window_of_size "$1") || fail "no $2 ($1)"
  main_centre=$(centre_of "$main")
  dialog_centre=$(centre_of "$dialog")
  read -r mx my <<<"$main_centre"
  read -r dx dy <<<"$dialog_centre"
  [ $(( (dx - mx) * (dx - mx) + (dy - my) * (dy - my) )) -le 8 ] ||
    fail "the $2 is centred at $dialog_centre, the main window at $main_centre"
  echo "$2 centred over the main window ($dialog_centre)"
}
# A checksum of the play field as shown now.
field() { import -window "$main" -crop 400x500+221+20 +repage rgb:- 2>/dev/null | md5sum; }
# True when the play field changes within 3 s.
field_changes() {
  local before
  before=$(field)
  for _ in $(seq 15); do
    sleep 0.2
    [ "$(field)" != "$before" ] && return 0
  done
  return 1
}
focus_is_main() {
  for _ in $(seq 20); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ] && return 0
    sleep 0.1
  done
  return 1
}
start_game() {
  rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak"
  [ "$1" = player ] && python3 "$(dirname "$0")/../../tools/write_roster.py" "$work/dat/b01" 1
  "$exe" &
  pid=$!
  main=$(main_window) || fail "no main window"
}
quit_game() {
  "$WM_CLOSE" "$main"
  game_ended_within 10 || fail "the game did not quit"
  wait "$pid" || fail "the game exited with status $?"
  [ "$(stat -c %s "$work/dat/b00")" -eq 9 ] || fail "the settings were not saved"
}

# 1. No window manager: the window stays, the game holds all the same.
start_game player
sleep 1
field_changes || fail "the title does not move before Space"
xdotool mousemove --window "$main" 400 300
xdotool key --window "$main" space
sleep 0.5
field_changes && fail "the game ran on after Space with the window still shown"
echo "Space held the game with the window still shown"
xdotool click 1
field_changes || fail "a click on the window did not bring the game back"
echo "a click brought it back"
quit_game

# 2. Under openbox.
openbox --sm-disable >/dev/null 2>&1 &
desktop_pids=$!
sleep 1
start_game none
expect_centred 330x255 "first player list"
players=$(window_of_size 330x255)
xdotool mousemove --window "$players" 60 216 click 1
window_of_size 316x136 >/dev/null || fail "New did not ask for a name"
expect_centred 316x136 "name input"
sleep 0.3
xdotool type --delay 20 "Robin"
xdotool key Return
sleep 0.5
xdotool key Return
sleep 1
focus_is_main || fail "the main window did not get the keys back after the player list"
import -window root "$SHOT_DIR/e2e-openbox-title.png"
field_changes || fail "the title does not move"

# At the keyboard: the main window has the focus.
xdotool key space
for _ in $(seq 30); do xwininfo -id "$main" | grep -q IsUnMapped && break; sleep 0.1; done
xwininfo -id "$main" | grep -q IsUnMapped || fail "Space did not minimise the window"
echo "Space minimised the window"
# Activated again as a task bar would: openbox maps it and gives it the focus.
for _ in $(seq 30); do
  xwininfo -id "$main" | grep -q IsViewable && break
  xdotool windowactivate "$main" 2>/dev/null || true
  sleep 0.2
done
xwininfo -id "$main" | grep -q IsViewable || fail "activating the window did not show it again"
# Openbox may map it without the focus (the request is not the player's): a click on the
# window's background gives it the focus, as a player would.
focus_is_main || xdotool mousemove --window "$main" 150 40 click 1
sleep 0.5
field_changes || fail "the game did not resume when its window was active again"
echo "activating the window resumed the game"

# The options window: centred, and the keys back with the main window after it.
focus_is_main || fail "the main window does not have the keys after it was activated"
sleep 0.5
xdotool mousemove --window "$main" 60 435 click 1
expect_centred 287x377 "options window"
import -window root "$SHOT_DIR/e2e-openbox-options.png"
xdotool key Return
sleep 0.5
focus_is_main || fail "the main window did not get the keys back after the options window"
echo "the main window has the keys after the options window"

# The editor's tool window, shown by Ctrl+E and closed as its close button does.
xdotool key --window "$main" ctrl+e
editor=$(timeout 10 xdotool search --sync --onlyvisible --name '^frmEditor$' | head -1) || fail "no editor window"
sleep 0.5
"$WM_CLOSE" "$editor"
sleep 0.5
focus_is_main || fail "the main window did not get the keys back after the editor"
echo "the main window has the keys after the editor"
quit_game
echo "PASS"
