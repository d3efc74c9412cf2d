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

# A copy of the built game ($BRILLOR_EXE and its data) in the fresh folder $work, run with the
# X server's display, no sound and in English; the game ($pid) is ended and the copy removed on exit.
copy_game_to_work() {
  work=$(mktemp -d)
  trap 'kill -9 ${pid:-} 2>/dev/null || true; rm -rf "$work"' EXIT
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
