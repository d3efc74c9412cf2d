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
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 0; }
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "SKIP: Qt's Wayland platform (qt6-wayland) is not installed"; exit 0; }

copy_game_to_work
exe="$work/$(basename "$BRILLOR_EXE")"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill -9 ${pid:-} 2>/dev/null || true; kill ${weston:-} 2>/dev/null || true; rm -rf "$work" "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wl-brillor
weston --backend=x11-backend.so --use-pixman --width=1000 --height=740 --socket=$WAYLAND_DISPLAY \
  --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$runtime/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
if [ ! -S "$runtime/$WAYLAND_DISPLAY" ] || ! kill -0 "$weston" 2>/dev/null; then
  echo "SKIP: weston cannot start here:"
  tail -5 "$runtime/weston.log"
  exit 0
fi
output=$(for _ in $(seq 50); do xwininfo -root -tree | awk '/"Weston Compositor/ {print $1; exit}' | grep . && break; sleep 0.2; done)
sleep 2

shot() { import -window "$output" "$runtime/$1.png"; }
# The box "WxH+X+Y" of the pixels that differ between two shots.
changed_box() {
  convert "$runtime/$1.png" "$runtime/$2.png" -compose difference -composite -colorspace gray \
    -threshold 0 -format '%@' info:
}
# The box of the pixels of the dialogs' frame colour in a shot.
frame_box() {
  convert "$runtime/$1.png" -fill black +opaque 'rgb(70,40,20)' -fill white -opaque 'rgb(70,40,20)' \
    -format '%@' info:
}
centre() { awk -F'[x+]' '{print int($3 + $1 / 2), int($4 + $2 / 2)}' <<<"$1"; }
# Fails unless the dialog's box is within 3 pixels of the main window's centre.
expect_centred() {
  local box
  box=$(frame_box "$1")
  read -r dx dy <<<"$(centre "$box")"
  [ $(( (dx - mx) * (dx - mx) + (dy - my) * (dy - my) )) -le 9 ] ||
    fail "the $2 ($box) is centred at $dx,$dy, the main window at $mx,$my"
  echo "$2 $box centred over the main window ($mx,$my)"
}
click_at() { xdotool mousemove --window "$output" "$1" "$2" click 1; }

shot desktop
rm -f "$work/dat/b00" "$work/dat/b01" "$work/dat/b01.bak"
QT_QPA_PLATFORM=wayland "$exe" 2>"$runtime/game.log" &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { cat "$runtime/game.log"; fail "the game did not start under Wayland"; }
shot first
# The window with its title bar: every pixel it covers differs from the bare desktop.
window_box=$(changed_box desktop first)
read -r fw fh fx fy <<<"$(awk -F'[x+]' '{print $1, $2, $3, $4}' <<<"$window_box")"
echo "main window with its title bar: $window_box"
[ "$fw" -ge 640 ] && [ "$fw" -le 660 ] || fail "the window is $fw wide, not about 646"
# Qt's title bar is 30 pixels high, its other borders 3.
mx=$((fx + 3 + 320)) my=$((fy + 30 + 280))
expect_centred first "first player list"
cp "$runtime/first.png" "$SHOT_DIR/e2e-wayland-players.png"

# A player named with the keyboard, as a first start asks.
read -r px py <<<"$(centre "$(frame_box first)")"
click_at $((px - 165 + 60)) $((py - 127 + 216))
sleep 1
xdotool type --delay 30 "Wendy"
xdotool key Return
sleep 0.7
xdotool key Return
sleep 1.5
kill -0 "$pid" 2>/dev/null || { cat "$runtime/game.log"; fail "the game ended after the player was chosen"; }

# Frames change: the title moves.
shot title1
sleep 0.7
shot title2
[ -n "$(changed_box title1 title2 | grep -v '^0x0')" ] || fail "the title did not move"
echo "frames change"

# The maximise button of Qt's title bar: 40 pixels left of the frame's right edge.
click_at $((fx + fw - 40)) $((fy + 15))
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$runtime/game.log"; fail "the maximise button ended the game"; }
grep -i 'protocol error' "$runtime/game.log" && fail "a protocol error was reported"
shot after_maximise
box_after=$(changed_box desktop after_maximise)
read -r aw ah _ _ <<<"$(awk -F'[x+]' '{print $1, $2, $3, $4}' <<<"$box_after")"
[ "$aw" -eq "$fw" ] && [ "$ah" -eq "$fh" ] || fail "after maximise the window is ${aw}x$ah, not ${fw}x$fh"
cp "$runtime/after_maximise.png" "$SHOT_DIR/e2e-wayland-after-maximise.png"
echo "the maximise button left the game running at its own size"
[ "$(stat -c %s "$work/dat/b01")" -gt 0 ] || fail "the roster is empty after maximise"
[ ! -e "$work/dat/b00" ] || [ "$(stat -c %s "$work/dat/b00")" -eq 9 ] || fail "dat/b00 is not whole after maximise"

# The options window (the Setting button), closed with Enter.
click_at $((mx - 320 + 60)) $((my - 280 + 435))
sleep 1.5
shot options
expect_centred options "options window"
cp "$runtime/options.png" "$SHOT_DIR/e2e-wayland-options.png"
xdotool key Return
sleep 0.7

# Quit saves.
click_at $((mx - 320 + 130)) $((my - 280 + 471))
game_ended_within 10 || fail "Quit did not end the game"
wait "$pid" || fail "the game exited with status $?"
[ "$(stat -c %s "$work/dat/b00")" -eq 9 ] || fail "the settings were not saved"
python3 - "$work/dat/b01" <<'PY' || fail "the player was not saved"
import sys
data = open(sys.argv[1], "rb").read()
assert b"Wendy" in data, data[:64]
PY
echo "Quit saved the settings and the player"
echo "PASS"
