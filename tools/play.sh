#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts the game in a folder that holds
# the sounds and the help page (the settings file is written there too).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
mkdir -p build/play
cp -n assets/runtime/* build/play/ 2>/dev/null || true
cd build/play
exec ../src/window/orizen "$@"
