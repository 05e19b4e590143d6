#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs each for a short bounded time; a crash or a broken invariant fails. Where no
# clang++ is installed it says so and does nothing. ORIZEN_FUZZ_SECONDS sets the time per target.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null; then
  echo "fuzz: no clang++, skipped"
  exit 0
fi
jobs=$(nproc)
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORIZEN_FUZZ=ON -DORIZEN_FUZZ_SECONDS="${ORIZEN_FUZZ_SECONDS:-15}" -DORIZEN_WERROR=ON \
  -DORIZEN_TESTS=OFF -DORIZEN_WINDOW=OFF -DORIZEN_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target record_fuzz settings_fuzz position_fuzz
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-fuzz --output-on-failure -j"$jobs"
