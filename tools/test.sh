#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the normal build, then
# the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, then every file
# reader's fuzz harness for 20 seconds, and last the Debian packages, built twice, linted,
# installed, played and removed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

# Compiled objects are reused through ccache, also by a fresh checkout in another folder.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$PWD
fi

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" "${launcher[@]}" "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

echo "== Normal build (a compiler warning fails it)"
run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRILLOR_BENCH=ON -DBRILLOR_WERROR=ON

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build/asan -DCMAKE_BUILD_TYPE=Debug -DBRILLOR_SANITIZE=ON -DBRILLOR_BENCH=OFF
echo "All tests passed in both builds."

echo "== Fuzzing the file readers"
bash tools/fuzz.sh 20

echo "== Debian packages"
bash tests/e2e/package_test.sh
