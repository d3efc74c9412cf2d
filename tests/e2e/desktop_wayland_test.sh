#!/usr/bin/env bash
# The game as a native Wayland client of weston (QT_QPA_PLATFORM=wayland). Weston runs on its X11
# backend inside Xvfb, a display nobody sees, so that the pointer can be moved and clicked: its
# headless backend has no input at all. The game starts and draws changing frames; the first
# player list and the options window open centred over the main window; a click on the maximise
# button of the title bar Qt draws leaves the game running at its own size, its files intact;
# Quit saves the settings.
set -euo pipefail
: "${BRILLOR_EXE:?}" "${SHOT_DIR:=.}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"
source "$(dirname "$0")/desktops.sh"
start_desktop wayland
copy_game_to_work
exe="$work/$(basename "$BRILLOR_EXE")"
runtime=$shots
output=$weston_output

# The box "WxH+X+Y" of the pixels that differ between two shots, weston's panel (its clock) left
# out.
changed_box() {
  convert "$runtime/$1.png" "$runtime/$2.png" -fill black -draw 'rectangle 0,0 9999,31' \
    -compose difference -composite -colorspace gray \
    -threshold 0 -format '%@' info:
}
# Fails unless the dialog W pixels wide is within 3 pixels of the main window's centre.
expect_centred() {
  local dx dy
  read -r dx dy <<<"$(dialog_centre "$runtime/$1.png" "$2")" || fail "no $3 in the shot"
  [ $(( (dx - mx) * (dx - mx) + (dy - my) * (dy - my) )) -le 9 ] ||
    fail "the $3 is centred at $dx,$dy, the main window at $mx,$my"
  echo "$3 centred over the main window ($dx,$dy)"
}
click_at() { xdotool mousemove --window "$output" "$1" "$2" click 1; }
# The pointer out of the way, where no window is, so that shots compare the windows alone.
park() { xdotool mousemove --window "$output" 995 735; sleep 0.3; }

rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak"
run_game "$exe"
sleep 4
kill -0 "$pid" 2>/dev/null || { cat "$shots/game.log"; fail "the game did not start under Wayland"; }
shot first
# The window with its title bar: every pixel it covers differs from the bare desktop.
window_box=$(changed_box desktop first)
read -r fw fh fx fy <<<"$(awk -F'[x+]' '{print $1, $2, $3, $4}' <<<"$window_box")"
echo "main window with its title bar: $window_box"
[ "$fw" -ge 640 ] && [ "$fw" -le 660 ] || fail "the window is $fw wide, not about 646"
# Qt's title bar is 30 pixels high, its other borders 3.
mx=$((fx + 3 + 320)) my=$((fy + 30 + 280))
expect_centred first 330 "first player list"
cp "$runtime/first.png" "$SHOT_DIR/e2e-wayland-players.png"

# A player named with the keyboard, as a first start asks.
read -r px py <<<"$(dialog_centre "$runtime/first.png" 330)"
click_at $((px - 165 + 60)) $((py - 127 + 216))
sleep 1
xdotool type --delay 30 "Wendy"
xdotool key Return
sleep 0.7
xdotool key Return
sleep 1.5
kill -0 "$pid" 2>/dev/null || { cat "$shots/game.log"; fail "the game ended after the player was chosen"; }

# Frames change: the title moves. A loaded machine may take a while to show it, so look a few
# times before calling it still.
title_moves() {
  local attempt
  shot title1
  for attempt in 1 2 3 4 5 6; do
    sleep 0.7
    shot title2
    [ -n "$(changed_box title1 title2 2>/dev/null | grep -v '^0x0')" ] && return 0
  done
  cp "$runtime/title2.png" "$SHOT_DIR/e2e-wayland-still-title.png"
  return 1
}
title_moves || fail "the title did not move"
echo "frames change"

# The maximise button of Qt's title bar: 40 pixels left of the frame's right edge.
click_at $((fx + fw - 40)) $((fy + 15))
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$shots/game.log"; fail "the maximise button ended the game"; }
grep -i 'protocol error' "$shots/game.log" && fail "a protocol error was reported"
park
shot after_maximise
box_after=$(changed_box desktop after_maximise)
read -r aw ah _ _ <<<"$(awk -F'[x+]' '{print $1, $2, $3, $4}' <<<"$box_after")"
cp "$runtime/after_maximise.png" "$SHOT_DIR/e2e-wayland-after-maximise.png"
[ "$aw" -eq "$fw" ] && [ "$ah" -eq "$fh" ] || fail "after maximise the window is ${aw}x$ah, not ${fw}x$fh"
echo "the maximise button left the game running at its own size"
[ "$(stat -c %s "$work/dat/b01")" -gt 0 ] || fail "the roster is empty after maximise"
[ ! -e "$work/dat/b00" ] || [ "$(stat -c %s "$work/dat/b00")" -eq 9 ] || fail "dat/b00 is not whole after maximise"

# The options window (the Setting button), closed with Enter.
click_at $((mx - 320 + 60)) $((my - 280 + 435))
sleep 1.5
shot options
expect_centred options 287 "options window"
cp "$runtime/options.png" "$SHOT_DIR/e2e-wayland-options.png"
xdotool key Return
sleep 0.7

# Quit saves.
click_at $((mx - 320 + 130)) $((my - 280 + 471))
game_ended_within 10 || fail "Quit did not end the game"
wait "$pid" || { status=$?; tail -40 "$shots/game.log"; fail "the game exited with status $status"; }
[ "$(stat -c %s "$work/dat/b00")" -eq 9 ] || fail "the settings were not saved"
python3 - "$work/dat/b01" <<'PY' || fail "the player was not saved"
import sys
data = open(sys.argv[1], "rb").read()
assert b"Wendy" in data, data[:64]
PY
echo "Quit saved the settings and the player"
echo "PASS"
