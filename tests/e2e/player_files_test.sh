#!/usr/bin/env bash
# The player's files in the real game under Xvfb, killed and started twice:
# 1. A roster cut short with a good backup: the start loads the backup and writes it as the
#    roster at once, so a kill while the message is open, or just after its OK, loses nothing.
#    Without a backup the players that could be read are kept the same way.
# 2. A second start on the same player folder hands over to the running game and ends with
#    status 0 without touching a file; a lock left by a killed game does not stop a start.
#    A game in a pid namespace of its own (where unshare is allowed): a second start from outside
#    cannot reach it and says so in a box, and once killed it does not keep the next one out.
# 3. Kills at random moments of play and of the exit save (KILLS of them, 8 unless set): the
#    files are whole after every one, and the time played never goes back.
set -euo pipefail
: "${BRILLOR_EXE:?}"

source "$(dirname "$0")/find_window.sh"
rerun_inside_xvfb "$@"

copy_game_to_work
dat=$work/dat
exe="$work/$(basename "$BRILLOR_EXE")"
write_roster() { python3 "$(dirname "$0")/../../tools/write_roster.py" "$@"; }

clear_player_files() { rm -f "$dat"/b0[01]* "$dat"/records.txt* "$dat"/options.txt* "$dat"/brillor.lock*; }

# Prints the roster's players as "name:seconds" lines; fails unless the file reads whole.
roster_players() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
count, = struct.unpack_from("<i", data, 0)
assert count >= 0 and len(data) >= 8 + 56 * count, f"{sys.argv[1]} is not whole ({len(data)} bytes, {count} players)"
for k in range(count):
    name = data[4 + 56 * k:44 + 56 * k].split(b"\0")[0].decode("latin-1")
    seconds, = struct.unpack_from("<i", data, 4 + 56 * k + 40 + 12)
    print(f"{name}:{seconds}")
PY
}

start_game() {
  "$exe" 2>>"$work/stderr.txt" &
  pid=$!
}

# The start-up message over the main window.
wait_for_message() {
  for _ in $(seq 100); do
    [ "$(shown_windows)" -ge 2 ] && return 0
    sleep 0.1
  done
  fail "no message at start ($1)"
}

# 1. Recovery at start, killed at the message or just after it.
write_roster "$work/good" 5 Backed
write_roster "$work/damaged" 7 Damaged
head -c 30 "$work/good" >"$work/cut"
# Two players claimed, the second cut short: the first can still be read.
python3 - "$work/damaged" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
open(sys.argv[1], "wb").write(struct.pack("<i", 2) + data[4:60] + b"x" * 20)
PY
for way in TERM-at-message KILL-after-OK; do
  for backup in yes no; do
    clear_player_files
    if [ $backup = yes ]; then
      cp "$work/cut" "$dat/b01"
      cp "$work/good" "$dat/b01.bak"
    else
      cp "$work/damaged" "$dat/b01"
    fi
    start_game
    wait_for_message "$way, backup $backup"
    if [ $way = TERM-at-message ]; then
      kill -TERM "$pid"
    else
      xdotool key Return
      sleep 0.3
      kill -KILL "$pid"
    fi
    wait "$pid" 2>/dev/null || true
    players=$(roster_players "$dat/b01") || fail "the roster is not whole after $way (backup $backup)"
    if [ $backup = yes ]; then
      [ "$players" = "Backed:0" ] || fail "the backup was not written as the roster ($way): $players"
      cmp -s "$dat/b01.bak" "$work/good" || fail "the backup changed ($way)"
    else
      [ "$players" = "Damaged:0" ] || fail "the players read from the damaged file were lost ($way): $players"
    fi
    [ -f "$dat/b01.damaged" ] || fail "the damaged roster was not kept ($way)"
    echo "recovered roster kept after $way (backup $backup): $players"
  done
done
# The next start reads the recovered roster without a word: besides the main window only the
# player list is shown (the damaged file's current player could not be read).
start_game
main_window >/dev/null || fail "no main window after the recovery"
sleep 1
players_window=$(window_of_size 330x255) || fail "no player list after the recovery"
[ "$(shown_windows)" -eq 2 ] || fail "a message at the start after the recovery"
kill -TERM "$pid"
game_ended_within 10 || fail "the game did not quit"
[ "$(roster_players "$dat/b01")" = "Damaged:0" ] || fail "the recovered roster did not survive a normal exit"
cmp -s "$dat/b01.bak" "$work/good" && fail "the backup was not brought up to date by a save of a whole roster"
echo "the recovered roster reads without a word at the next start"

# 2. Two starts on one player folder.
clear_player_files
write_roster "$dat/b01" 3 First
start_game
main_window >/dev/null || fail "no window for the first game"
sleep 1
before=$(cd "$dat" && find . -newer "$work/good" -type f -printf '%p %s %T@\n' | sort)
set +e
timeout 20 "$exe" >"$work/second.out" 2>"$work/second.err"
status=$?
set -e
[ $status -eq 0 ] || fail "the second start ended with status $status: $(cat "$work/second.err")"
grep -q "already running.*brought to the front" "$work/second.err" || fail "the second start did not say why: $(cat "$work/second.err")"
after=$(cd "$dat" && find . -newer "$work/good" -type f -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the second start touched the player files: $before / $after"
kill -0 "$pid" || fail "the first game ended when the second started"
echo "a second start handed over: $(cat "$work/second.err")"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
[ -f "$dat/brillor.lock" ] || echo "(the killed game left no lock file behind)"
start_game
main_window >/dev/null || fail "a lock left by a killed game stopped the next start"
kill -TERM "$pid"
game_ended_within 10 || fail "the game did not quit"
echo "a lock left by a killed game did not stop the next start"

if ! unshare --pid --fork --mount-proc true 2>/dev/null; then
  echo "SKIP: unshare --pid --fork --mount-proc is refused here: no start in a pid namespace of its own"
else
  for start in first again; do
    unshare --pid --kill-child --mount-proc "$exe" 2>>"$work/stderr.txt" &
    namespace=$!
    main_window >/dev/null || fail "no window for the $start game in a pid namespace"
    pid=$(pgrep -P "$namespace") || fail "no game inside the pid namespace"
    if [ $start = first ]; then
      "$exe" 2>"$work/second.err" &
      second=$!
      box=$(timeout 20 xdotool search --sync --onlyvisible --pid "$second" | head -n 1) ||
        fail "a second start that could not reach the game showed no box: $(cat "$work/second.err")"
      grep -q "already running.*could not be brought" "$work/second.err" || fail "the box's start did not say why"
      xdotool windowfocus --sync "$box" key Return
      wait "$second" || fail "the second start beside a game in a pid namespace ended with status $?"
      echo "a second start that could not reach the game told the player: $(cat "$work/second.err")"
    fi
    kill -KILL "$pid"
    wait "$namespace" 2>/dev/null || true
  done
  echo "a game killed in a pid namespace did not stop the next start there"
fi

# 3. Kills at random moments of play and of the exit save.
clear_player_files
write_roster "$dat/b01" 1 Player
printf '\350\003\000\000\000\000\000\000\001' >"$dat/b00"
last=0
for round in $(seq "${KILLS:-8}"); do
  start_game
  window=$(main_window) || fail "no window in round $round"
  sleep 0.5
  # Title, map, board: the countdown then plays on by itself.
  xdotool mousemove --window "$window" 400 250 click 1
  sleep 0.7
  xdotool click 1
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.2f", 1 + (r % 300) / 100 }')"
  if [ $((round % 2)) -eq 0 ]; then
    how="SIGKILL in play"
  else
    how="SIGTERM, SIGKILL $((RANDOM % 150)) ms later"
    kill -TERM "$pid"
    sleep "0.$(printf '%03d' $((RANDOM % 150)))"
  fi
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  players=$(roster_players "$dat/b01") || fail "round $round ($how): the roster is not whole"
  seconds=${players#Player:}
  [ "$seconds" -ge "$last" ] || fail "round $round ($how): the time played went back from $last to $seconds s"
  last=$seconds
  size=$(stat -c %s "$dat/b00")
  [ "$size" -eq 9 ] || fail "round $round ($how): the settings have $size bytes"
  if [ -f "$dat/records.txt" ]; then
    head -n 1 "$dat/records.txt" | grep -qx 'brillor-records 1' || fail "round $round ($how): the records are not whole"
  fi
  echo "round $round ($how): files whole, $seconds s played"
done
ls "$dat" | grep -q '\.damaged' && fail "a kill left a file that had to be set aside: $(ls "$dat")"
echo "e2e player files: all checks passed"
