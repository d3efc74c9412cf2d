#!/usr/bin/env bash
# Builds the file-reader harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, seeds them from the generated game files and runs each for
# SECONDS (default 60). Fails when any harness finds an input that crashes, leaks, hangs or
# breaks a reader's check; the input is kept under build/fuzz/findings/.
#   tools/fuzz.sh [SECONDS] [HARNESS...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(settings roster records round options level_param board_layout wave mp3 picture translation)

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRILLOR_FUZZ=ON -DBRILLOR_CONTENT=OFF -DBRILLOR_TESTS=OFF -DBRILLOR_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${harnesses[@]/#/fuzz_}"

# The game files of the normal build (the test command makes them first; otherwise made here).
game=build/test/game
if [ ! -f "$game/dat/a00" ]; then
  cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
  cmake --build build/test -j"$(nproc)" --target brillor_content_files brillor_lrelease
fi
seeds=$build/seeds
corpus=$build/corpus
findings=$build/findings
mkdir -p "$findings"

# Seeds: the game's own files for each reader; hand-made ones for the player's files.
make_seeds() {
  rm -rf "$seeds" && mkdir -p "$seeds"/{settings,roster,records,round,options,level_param,board_layout,wave,mp3,picture,translation}
  printf '\350\003\000\000\000\000\000\000\001' >"$seeds/settings/defaults"
  printf '\000\000\000\000\060\370\377\377\000' >"$seeds/settings/quiet"
  : >"$seeds/settings/empty"
  : >"$seeds/roster/empty"
  { printf '\001\000\000\000Ann'; head -c 37 /dev/zero; printf '\003\000\000\000\130\002\000\000\004\000\000\000\010\000\000\000\000\000\000\000'; } \
    >"$seeds/roster/one-player"
  printf 'brillor-records 1\nn416e6e 1 2 0 30 3 400 95\nn 0 0 0 0 0 0 0\n' >"$seeds/records/two-players"
  printf '\357\273\277brillor-records 1\r\nn426f62 4 5 1 6 2 700 1200\r\n' >"$seeds/records/bom-crlf"
  cp fuzz/round_seed.txt "$seeds/round/"
  printf 'symbols=1\nrelaxed=0\npreview=1\nrecords=1\nscale=150\n' >"$seeds/options/all"
  cp "$game"/dat/a?? "$seeds/level_param/"
  for layout in "$game"/dat/d??; do
    number=${layout##*/d}
    cat "$layout" "$game/dat/a$number" >"$seeds/board_layout/d$number"
  done
  cp "$game"/wav/*.wav "$seeds/wave/"
  cp "$game"/translations/*.qm "$seeds/translation/"
  for music in "$game"/mp3/*.mp3; do head -c 16384 "$music" >"$seeds/mp3/${music##*/}"; done
  for picture in "$game"/bmp/* "$game"/dat/*; do
    [ -f "$picture" ] && [ "$(head -c 2 "$picture" | tr -d '\000')" = BM ] && [ "$(stat -c %s "$picture")" -le 65536 ] &&
      cp "$picture" "$seeds/picture/$(basename "$picture")"
  done
  return 0
}
make_seeds

max_len() {
  case $1 in
    settings) echo 64 ;;
    roster | records | options) echo 4096 ;;
    *) echo 65536 ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for name in "${harnesses[@]}"; do
  mkdir -p "$corpus/$name"
  log=$build/fuzz-$name.log
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 \
       -max_len="$(max_len "$name")" -print_final_stats=1 -artifact_prefix="$findings/$name-" \
       "$corpus/$name" "$seeds/$name" >"$log" 2>&1; then
    status=ok
  else
    status=FINDING
    failed+=("$name")
    tail -n 40 "$log" >&2
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -n 1)
  cover=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
  printf '%-13s %s: %s inputs in %s s, %s, corpus %s\n' "$name" "$status" "${runs:-?}" "$seconds" \
    "${cover:-cov: ?}" "$(ls "$corpus/$name" | wc -l)"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]} (inputs in $findings)" >&2
  exit 1
fi
echo "Fuzzing found nothing in ${#harnesses[@]} readers."
