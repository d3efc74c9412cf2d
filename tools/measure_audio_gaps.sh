#!/usr/bin/env bash
# Measures drop-outs of the game's sound on a loaded desktop, by hand: a private PulseAudio
# server with a null sink, the game at its title (whose music never rests) under its own Xvfb,
# two compilers busy meanwhile, and the sink's monitor recorded. Prints the gaps of digital
# silence inside the music (runs of zero samples of 3 ms or more) and the latency PulseAudio
# reports for the game's stream (its buffer plus the sink's), which is how late an effect
# sounds after its cause.
#
# With -e, times effects from the recording instead: in a level, with the music silenced, the
# held set is turned TIMES times from the keyboard, and each turn's sound is found in the
# recording after a marker click that effect_marker.py writes into the right channel of a stream
# of its own just before it sends the key (the game's sound is the same in both channels, so
# right minus left is the marker alone). An effect's delay is its onset after the marker, plus
# the marker's own latency, which the sound server measures.
#
#   tools/measure_audio_gaps.sh [-s SECONDS] [-l COMPILERS] [-e TIMES] [path/to/brillor]
#     -s SECONDS    length of the recording (default 30)
#     -l COMPILERS  compilers kept busy meanwhile (default 2; 0 for none)
#     -e TIMES      time TIMES effects instead of counting gaps
#
# Needs pulseaudio, pulseaudio-utils (parec, pactl), xvfb-run, xdotool and g++.
set -euo pipefail

seconds=30 compilers=2 effects=0
while getopts "s:l:e:" option; do
  case $option in
    s) seconds=$OPTARG ;;
    l) compilers=$OPTARG ;;
    e) effects=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
exe=$(realpath "${1:-build/test/game/brillor}")
here=$(cd "$(dirname "$0")" && pwd)
# The game and the keys it is sent share one X server: the script runs again inside it.
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" -s "$seconds" -l "$compilers" -e "$effects" "$exe"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
game=""
cleanup() {
  [ -n "$game" ] && kill -- -"$game" 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -f "$XDG_RUNTIME_DIR/pulse/pid" ] && kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null || true
  sleep 0.5
  rm -rf "$work"
}
trap cleanup EXIT

# Title, map, level: then each turn of the held set, after its marker.
time_effects() {
  window=$(xdotool search --name '^Brillor I$' | head -1)
  xdotool windowfocus --sync "$window"
  xdotool key Return; sleep 2; xdotool key Return; sleep 3
  parec -d record.monitor --format=s16le --rate=44100 --channels=2 --raw >"$work/recording.raw" &
  recorder=$!
  pids+=($recorder)
  sleep 1
  marker_latency=$(python3 "$here/effect_marker.py" "$effects" z)
  kill "$recorder"
  load=$(cut -d' ' -f1 /proc/loadavg)
  python3 - "$work/recording.raw" "${marker_latency:-0}" "$load" "$effects" <<'PY'
import sys, array, statistics
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
rate, frames = 44100, len(samples) // 2
left = lambda i: samples[2 * i]
marker = lambda i: samples[2 * i + 1] - samples[2 * i]
delays, i = [], 0
while i < frames:
    if marker(i) > 10000:  # a marker: the next sound in the left channel is the turn's
        j = i + 1
        while j < frames and j < i + rate // 2 and abs(left(j)) < 300:
            j += 1
        if j < i + rate // 2 and j < frames:
            delays.append((j - i) * 1000 / rate + float(sys.argv[2]))
        i += rate // 2
    else:
        i += 1
print(f"load average {sys.argv[3]}; {len(delays)} of {sys.argv[4]} turns heard; marker latency {float(sys.argv[2]):.1f} ms")
if delays:
    print(f"effect after its key: median {statistics.median(delays):.0f} ms, "
          f"min {min(delays):.0f}, max {max(delays):.0f}")
PY
}

pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
  -L module-native-protocol-unix -L "module-null-sink sink_name=record" 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink record

cp -r "$(dirname "$exe")"/. "$work/game"/
rm -f "$work/game/dat/b00" "$work/game/dat/b01" "$work/game/dat/options.txt"
python3 "$here/write_roster.py" "$work/game/dat/b01" 1
# Timing effects: the music silent (-10000, in hundredths of a decibel), the effects at full.
[ "$effects" -gt 0 ] && python3 -c 'import struct, sys; open(sys.argv[1], "wb").write(struct.pack("<iiB", -10000, 0, 1))' "$work/game/dat/b00"

# Two compilers (or as many as asked), each compiling a large translation unit over and over.
cat >"$work/load.cpp" <<'CPP'
#include <bits/stdc++.h>
int main() { std::map<std::string, std::vector<int>> m; return (int)m.size(); }
CPP
for _ in $(seq "$compilers"); do
  (while :; do g++ -O2 -std=c++20 -c "$work/load.cpp" -o /dev/null; done) >/dev/null 2>&1 &
  pids+=($!)
done

# In a process group of its own, so that it ends with everything it started.
SDL_AUDIODRIVER=pulseaudio LANGUAGE=en setsid "$work/game/$(basename "$exe")" >/dev/null 2>&1 &
game=$!
sleep 5
if [ "$effects" -gt 0 ]; then
  time_effects
  exit 0
fi
parec -d record.monitor --format=s16le --rate=44100 --channels=2 --raw >"$work/recording.raw" &
recorder=$!
pids+=($recorder)
sleep 2
latency=$(pactl list sink-inputs | awk '/Buffer Latency/ {b=$3} /Sink Latency/ {s=$3}
  END {printf "%.1f ms (buffer %.1f, sink %.1f)", (b + s) / 1000, b / 1000, s / 1000}')
sleep $((seconds - 2))
kill "$recorder"
load=$(cut -d' ' -f1 /proc/loadavg)

python3 - "$work/recording.raw" "$latency" "$load" <<'PY'
import sys, array
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
frames = len(samples) // 2
rate = 44100
# The music begins with the first sound; gaps are counted from there to the end.
start = next((i for i in range(frames) if samples[2 * i] or samples[2 * i + 1]), frames)
gaps, run = [], 0
for i in range(start, frames):
    if samples[2 * i] == 0 and samples[2 * i + 1] == 0:
        run += 1
    else:
        if run >= rate * 3 // 1000:
            gaps.append(run * 1000 / rate)
        run = 0
length = (frames - start) / rate
print(f"recorded {length:.1f} s of music, load average {sys.argv[3]}")
print(f"gaps: {len(gaps)}, {sum(gaps):.0f} ms in all" + (f", longest {max(gaps):.0f} ms" if gaps else ""))
print(f"stream latency reported by PulseAudio: {sys.argv[2]}")
PY
