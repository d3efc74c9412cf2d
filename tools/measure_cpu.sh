#!/usr/bin/env bash
# Measures how much of one core the running game takes (all its threads), from the scheduler,
# under its own Xvfb (whose share is measured too: that is the cost of showing our frames), and
# how often the game's threads are switched in and out (context switches a second: each one is
# a wake-up, which a laptop's battery counts).
#
#   tools/measure_cpu.sh [options] [path/to/brillor]
#     -s SECONDS   length of each measurement (default 20)
#     -r RUNS      measurements, each in a fresh game; the median is printed last (default 3)
#     -w SECONDS   wait after the window appears before measuring (default 4)
#     -m           move the mouse over the playing field along a curve during the measurement
#     -p X,Y       a playing-field pixel that the first stage's first frame changes, for a stage
#                  made after the window appears: prints the time from launch until the pixel
#                  differs from what the window first showed. (A stage made before the event
#                  loop starts is already in the window's first frame: "window after" is then
#                  the time to its first frame.)
#     -k KEYS      xdotool keys and clicks to bring the game to the state to measure, run once
#                  the window appears, e.g. "click 1 sleep 1 click 1" (clicks at the mouse,
#                  which starts at the middle of the playing field)
#     -f           give it a roster of one level-1 player, so it opens straight on its title
#                  instead of asking for a player
#     -a           play through a PulseAudio server of its own on a null sink (instead of SDL's
#                  silent driver) and measure the server's share too
#     -t           also print each thread's share and context switches a second, by name
#
# The game runs from a scratch copy of its folder without the build's player files (settings,
# roster, records, a round in progress, a lock left by a test), cleared again before each run,
# so every run starts from the same defaults. Frames are paced as in normal play (BRILLOR_UNCAPPED is cleared).
#
# Examples: resting at the title (with a roster), then in the level behind title and map:
#   tools/measure_cpu.sh -f -p 200,250
#   tools/measure_cpu.sh -f -k "click 1 sleep 1.5 click 1"
# and paused there (the Pause button, in window coordinates):
#   tools/measure_cpu.sh -f -k 'click 1 sleep 1.5 click 1 sleep 1 mousemove --window $window 130 440 click 1'
set -euo pipefail

seconds=20 runs=3 settle=4 mouse=0 probe="" keys="" keep=0 pulse=0 threads=0
while getopts "s:r:w:mp:k:fat" option; do
  case $option in
    s) seconds=$OPTARG ;;
    r) runs=$OPTARG ;;
    w) settle=$OPTARG ;;
    m) mouse=1 ;;
    p) probe=$OPTARG ;;
    k) keys=$OPTARG ;;
    f) keep=1 ;;
    a) pulse=1 ;;
    t) threads=1 ;;
    *) sed -n '2,36p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
game=${1:-$(dirname "$0")/../build/test/game/brillor}
[ -x "$game" ] || { echo "no game at $game" >&2; exit 2; }

work=$(mktemp -d)
display=":$((90 + RANDOM % 400))"
xvfb_pid="" game_pid="" pulse_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp -r "$(dirname "$game")"/. "$work/game"
# Every run starts from the same player files: none, or a roster of one current player at
# level 1 (a run before would have left its round in progress to resume, and its settings).
fresh_player_files() {
  rm -f "$work/game/dat/"{b00,b01,options.txt,records.txt,brillor.lock} "$work/game/dat/"round-*.txt
  if [ "$keep" = 1 ]; then python3 "$(dirname "$0")/write_roster.py" "$work/game/dat/b01" 1 Measure; fi
}
# -noreset: an X server resets itself when its last client leaves, and a client connecting
# meanwhile (the game, while xdotool looks for its window every 10 ms) may be turned away.
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
# The first Xvfb on a fresh machine can take seconds to come up (a game started before it is
# there aborts at once).
for _ in $(seq 400); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not come up on $display within 20 s" >&2; exit 1; }
unset QT_QPA_PLATFORM BRILLOR_UNCAPPED
if [ "$pulse" = 1 ]; then
  # A server of our own, in our own runtime folder, with one null sink.
  export XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
  mkdir -p "$PULSE_RUNTIME_PATH" && chmod 700 "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit -L module-null-sink \
    -L "module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native" >/dev/null 2>&1 &
  pulse_pid=$!
  export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native SDL_AUDIODRIVER=pulseaudio
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
else
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
fi

# Time on a core of all the threads of a process so far, in nanoseconds, from the scheduler's
# own count (/proc/PID/stat counts in hundredths of a second, too coarse for a share under 1 %
# over a few seconds). A thread that ends during a measurement takes its time with it; at rest
# the game's threads live as long as it does.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d\n", n }'; }
# Context switches of all the threads of a process so far.
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'; }
now() { date +%s.%N; }
# One line per thread: id, name, nanoseconds on a core, context switches.
thread_table() {
  local task
  for task in /proc/"$1"/task/*; do
    [ -r "$task/schedstat" ] || continue
    printf '%s %s %s %s\n' "${task##*/}" "$(tr ' ' '_' <"$task/comm")" \
      "$(awk '{ print $1 }' "$task/schedstat")" \
      "$(awk '/ctxt_switches/ { n += $2 } END { print n + 0 }' "$task/status")"
  done
}
# Each thread's share and switches a second between two thread tables.
thread_shares() {
  join <(sort "$1") <(sort "$2") | awk -v s="$seconds" '{
    printf "    %-16s %5.2f %% %7.1f switches/s\n", $2, 100 * ($6 - $3) / 1e9 / s, ($7 - $4) / s }'
}
# The colour of one screen pixel.
pixel() { import -silent -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1 | awk '{ print $3 }'; }

# A curve over the playing field at 60 moves a second, as one xdotool process.
mouse_script() {
  awk -v left="$1" -v top="$2" -v n="$((seconds * 60))" 'BEGIN {
    for (i = 0; i < n; i++) {
      t = i / 60.0
      printf "mousemove %d %d sleep 0.016 ", left + 200 + 150 * sin(t * 0.9), top + 250 + 200 * sin(t * 0.6)
    }
  }'
}

measure_once() {
  local started mapped window left top
  fresh_player_files
  started=$(now)
  (cd "$work/game" && exec ./"$(basename "$game")" 2>"$work/game.log") &
  game_pid=$!
  # Polled every 10 ms: xdotool's own --sync looks only every half second.
  window=""
  for _ in $(seq 3000); do
    window=$(xdotool search --onlyvisible --name '^Brillor I$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || { echo "the game stopped at start: $(head -n 1 "$work/game.log")" >&2; exit 1; }
    sleep 0.01
  done
  [ -n "$window" ] || { echo "no game window within 30 s" >&2; exit 1; }
  mapped=$(now)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  left=$((X + 221)) top=$((Y + 20))
  printf 'window after %.3f s' "$(echo "$mapped - $started" | bc)"
  if [ -n "$probe" ]; then
    local px=$((left + ${probe%,*})) py=$((top + ${probe#*,})) first changed=""
    first=$(pixel "$px" "$py")
    for _ in $(seq 200); do
      if [ "$(pixel "$px" "$py")" != "$first" ]; then changed=$(now); break; fi
    done
    if [ -n "$changed" ]; then
      printf ', probe changed after %.3f s' "$(echo "$changed - $started" | bc)"
    else
      printf ', probe unchanged since the window appeared'
    fi
  fi
  xdotool mousemove "$((left + 200))" "$((top + 250))"
  [ -n "$keys" ] && eval "xdotool $keys"
  sleep "$settle"
  local mover=""
  if [ "$mouse" = 1 ]; then
    # shellcheck disable=SC2046
    xdotool $(mouse_script "$left" "$top") &
    mover=$!
  fi
  local game0 x0 game1 x1 sw0 sw1 p0=0 p1=0
  game0=$(cpu_ns "$game_pid") x0=$(cpu_ns "$xvfb_pid") sw0=$(switches "$game_pid")
  [ -n "$pulse_pid" ] && p0=$(cpu_ns "$pulse_pid")
  [ "$threads" = 1 ] && thread_table "$game_pid" >"$work/threads0"
  sleep "$seconds"
  game1=$(cpu_ns "$game_pid") x1=$(cpu_ns "$xvfb_pid") sw1=$(switches "$game_pid")
  [ "$threads" = 1 ] && thread_table "$game_pid" >"$work/threads1"
  [ -n "$pulse_pid" ] && p1=$(cpu_ns "$pulse_pid")
  [ -n "$mover" ] && { kill "$mover" 2>/dev/null || true; wait "$mover" 2>/dev/null || true; }
  local game_share x_share pulse_share rate resident
  game_share=$(echo "scale=3; 100 * ($game1 - $game0) / 1000000000 / $seconds" | bc)
  x_share=$(echo "scale=3; 100 * ($x1 - $x0) / 1000000000 / $seconds" | bc)
  pulse_share=$(echo "scale=3; 100 * ($p1 - $p0) / 1000000000 / $seconds" | bc)
  rate=$(echo "scale=1; ($sw1 - $sw0) / $seconds" | bc)
  resident=$(awk '/^VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$game_pid/status")
  printf ', game %s %% of a core, X server %s %%' "$game_share" "$x_share"
  [ -n "$pulse_pid" ] && printf ', sound server %s %%' "$pulse_share"
  printf ', %s context switches a second, resident %s MiB\n' "$rate" "$resident"
  [ "$threads" = 1 ] && thread_shares "$work/threads0" "$work/threads1"
  echo "$game_share $x_share $rate $pulse_share" >>"$work/shares"
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

for run in $(seq "$runs"); do
  printf 'run %d: ' "$run"
  measure_once
done
# Each figure's own median.
median() { cut -d' ' -f"$1" "$work/shares" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
printf 'median of %d runs over %s s: game %.2f %% of a core, X server %.2f %%' "$runs" "$seconds" "$(median 1)" "$(median 2)"
[ "$pulse" = 1 ] && printf ', sound server %.2f %%' "$(median 4)"
printf ', %.1f context switches a second\n' "$(median 3)"
