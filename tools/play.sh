#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
jobs=$(nproc)
cmake -S . -B build/play -DCMAKE_BUILD_TYPE=Release -DBRILLOR_TESTS=OFF -DBRILLOR_BENCH=OFF
cmake --build build/play -j"$jobs"
exec build/play/game/brillor
