#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build (with the window
# tests under the offscreen platform and the end-to-end test under its own Xvfb), then the
# headless build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
# The slowest test takes about 30 s under the sanitizers: a test that hangs (a deadlock)
# fails after 5 minutes instead of ctest's 25.
timeout=300
phase() { echo "== test.sh: $1 at ${SECONDS} s"; }
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

# Line tables only: backtraces keep their lines, and the build is about a fifth faster.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_WERROR="$werror" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build -j "$jobs"
phase "normal build done"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs" --timeout "$timeout"
phase "normal tests done"

# clang builds the sanitizer tests about 40 % faster than g++, and the same build holds the
# libFuzzer targets, so no third build of the libraries is needed.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_GUI=OFF -DCW_SANITIZE=ON \
    -DCW_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCW_WERROR="$werror"
cmake --build build-asan -j "$jobs"
phase "sanitizer build done"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout "$timeout"
phase "sanitizer tests done"

# Short libFuzzer runs of every reader of outside input (about a minute): long runs stay out
# of CI (scripts/fuzz.sh with more seconds).
CW_FUZZ_BUILD=build-asan bash scripts/fuzz.sh "${CW_FUZZ_SECONDS:-10}"
phase "fuzzing done"
