#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build (with the window
# tests under the offscreen platform and the end-to-end test under its own Xvfb), then the
# headless build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
phase() { echo "== test.sh: $1 at ${SECONDS} s"; }
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_WERROR="$werror"
cmake --build build -j "$jobs"
phase "normal build done"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
phase "normal tests done"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_GUI=OFF -DCW_SANITIZE=ON \
    -DCW_WERROR="$werror"
cmake --build build-asan -j "$jobs"
phase "sanitizer build done"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
phase "sanitizer tests done"

# Short libFuzzer runs of the replay script reader and the .xlsx reader (about a minute).
bash scripts/fuzz.sh "${CW_FUZZ_SECONDS:-25}"
phase "fuzzing done"
