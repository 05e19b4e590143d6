#!/usr/bin/env bash
# Installs what is missing, then builds and tests four ways: every test on a Release build, the
# same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, short fuzz runs of the
# readers of outside input, and the WebAssembly build against the desktop's results. Warnings in
# the project's own code are errors throughout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
times=()
stage() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  times+=("$name: $((SECONDS - start)) s")
}

release() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORIZEN_WINDOW=ON -DORIZEN_WERROR=ON >/dev/null
  cmake --build build -j"$jobs"
  # The tools left out of the default build are built too, so none of them falls behind the code.
  cmake --build build -j"$jobs" --target make_sounds make_cp932_table aid_shots window_shots
  ctest --test-dir build --output-on-failure -j"$jobs"
}

# Any sanitizer report aborts the test that made it, which fails the run. The window tests run
# too; only fontconfig's cache, which lives until exit, is kept out of the leak reports.
sanitized() {
  # -O1 -g1: line numbers in every report, at half the compile time of -O2 -g.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DORIZEN_SANITIZE=address,undefined \
    -DORIZEN_WINDOW=ON -DORIZEN_WERROR=ON -DORIZEN_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  ASAN_OPTIONS=strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
}

stage "release build and tests" release
stage "sanitizer build and tests" sanitized
stage "fuzzing" bash tools/fuzz.sh
stage "WebAssembly build against the desktop's results" bash tools/web.sh test
printf '%s\n' "== times" "${times[@]}"
