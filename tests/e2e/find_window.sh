# Helpers of the end-to-end scripts. The game makes its dialogs at start, hidden, and all of
# them carry its name, so a window is picked by its size among those that are shown.

# The script again inside its own X server (call first, with the script's arguments). Without
# -noreset the server resets whenever its last client leaves, and a client connecting meanwhile
# (the game starting while xdotool polls for a window) may be turned away.
rerun_inside_xvfb() {
  [ -n "${INSIDE_XVFB:-}" ] && return 0
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" bash "$0" "$@"
}

fail() { echo "FAIL: $*" >&2; exit 1; }

# On exit: the game, the desktop's programs and the temporary folders go.
end_of_script() {
  kill -9 ${pid:-} 2>/dev/null || true
  [ -z "${desktop_pids:-}" ] || kill $desktop_pids 2>/dev/null || true
  rm -rf "${work:-}" "${shots:-}"
}

# A copy of the built game ($BRILLOR_EXE and its data) in the fresh folder $work, run with the
# X server's display, no sound and in English; the game ($pid) is ended and the copy removed on exit.
copy_game_to_work() {
  work=$(mktemp -d)
  trap end_of_script EXIT
  cp -r "$(dirname "$BRILLOR_EXE")"/. "$work"/
  unset QT_QPA_PLATFORM
  export SDL_AUDIODRIVER=dummy
  # The tests read the game's English texts, whatever language the machine speaks.
  export LANGUAGE=en
}

# Prints the id of the shown game window of that size ("640x560"); fails after 5 s.
window_of_size() {
  for _ in $(seq 50); do
    for id in $(xdotool search --classname '^brillor$' 2>/dev/null); do
      info=$(xwininfo -id "$id" 2>/dev/null) || continue
      grep -q 'IsViewable' <<<"$info" || continue
      [ "$(awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}' <<<"$info")" = "$1" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# The main window, once it is shown (up to 30 s for a slow start).
main_window() {
  timeout 30 xdotool search --sync --name '^Brillor I$' >/dev/null || return 1
  window_of_size 640x560
}

# How many of the game's windows are shown now.
shown_windows() {
  local count=0
  for id in $(xdotool search --classname '^brillor$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && count=$((count + 1))
  done
  echo "$count"
}

# True once the game ($pid) has ended, false when it still runs after that many seconds.
game_ended_within() {
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  ! kill -0 "$pid" 2>/dev/null
}

# The centre "x y" of a dialog W pixels wide in the picture FILE (dialog_centre FILE W [X [RGB]]):
# the rows that hold a run of about W pixels of the dialogs' frame colour (or RGB, "r,g,b": the
# high scores have a white edge) are its top and bottom edges. With X, only runs centred within
# 3 pixels of it count (the map's frame is about as wide as the high scores).
dialog_centre() {
  convert "$1" -depth 8 ppm:- | python3 -c '
import sys
width = int(sys.argv[1])
centre = int(sys.argv[2]) if len(sys.argv) > 2 else None
frame = bytes(int(c) for c in (sys.argv[3] if len(sys.argv) > 3 else "70,40,20").split(","))
data = sys.stdin.buffer.read()
fields, at = [], 0
while len(fields) < 4:
    while data[at:at + 1].isspace(): at += 1
    end = at
    while not data[end:end + 1].isspace(): end += 1
    fields.append(data[at:end]); at = end
at += 1
w, h = int(fields[1]), int(fields[2])
rows = []
for y in range(h):
    line = data[at + 3 * w * y: at + 3 * w * (y + 1)]
    run = start = 0
    for x in range(w + 1):
        if x < w and line[3 * x:3 * x + 3] == frame:
            if run == 0: start = x
            run += 1
        else:
            if width - 4 <= run <= width and (centre is None or abs(start + run // 2 - centre) <= 3):
                rows.append((y, start, run))
            run = 0
if not rows: sys.exit("no dialog %d pixels wide" % width)
top, bottom = rows[0], rows[-1]
print(top[1] + top[2] // 2, (top[0] + bottom[0]) // 2)
' "${@:2}"
}
