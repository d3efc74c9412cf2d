#!/usr/bin/env bash
# Measures drop-outs of the game's sound on a loaded desktop, by hand: a private PulseAudio
# server with a null sink, the game at its title (whose music never rests) under its own Xvfb,
# two compilers busy meanwhile, and the sink's monitor recorded. Prints the gaps of digital
# silence inside the music (runs of zero samples of 3 ms or more) and the latency PulseAudio
# reports for the game's stream (its buffer plus the sink's), which is how late an effect
# sounds after its cause.
#
#   tools/measure_audio_gaps.sh [-s SECONDS] [-l COMPILERS] [path/to/brillor]
#     -s SECONDS    length of the recording (default 30)
#     -l COMPILERS  compilers kept busy meanwhile (default 2; 0 for none)
#
# Needs pulseaudio, pulseaudio-utils (parec, pactl), xvfb-run and g++.
set -euo pipefail

seconds=30 compilers=2
while getopts "s:l:" option; do
  case $option in
    s) seconds=$OPTARG ;;
    l) compilers=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
exe=$(realpath "${1:-build/test/game/brillor}")
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
game=""
cleanup() {
  [ -n "$game" ] && kill -- -"$game" 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -f "$XDG_RUNTIME_DIR/pulse/pid" ] && kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
  -L module-native-protocol-unix -L "module-null-sink sink_name=record" 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink record

cp -r "$(dirname "$exe")"/. "$work/game"/
rm -f "$work/game/dat/b00" "$work/game/dat/b01" "$work/game/dat/options.txt"
python3 "$here/write_roster.py" "$work/game/dat/b01" 1

# Two compilers (or as many as asked), each compiling a large translation unit over and over.
cat >"$work/load.cpp" <<'CPP'
#include <bits/stdc++.h>
int main() { std::map<std::string, std::vector<int>> m; return (int)m.size(); }
CPP
for _ in $(seq "$compilers"); do
  (while :; do g++ -O2 -std=c++20 -c "$work/load.cpp" -o /dev/null; done) >/dev/null 2>&1 &
  pids+=($!)
done

# In a process group of its own, so that the X server and the game end with it.
SDL_AUDIODRIVER=pulseaudio setsid xvfb-run -a "$work/game/$(basename "$exe")" >/dev/null 2>&1 &
game=$!
sleep 5
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
