#!/usr/bin/env bash
# Builds the libFuzzer targets (every target named *_fuzz) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz, and runs each for SECONDS (default 25) from its
# seed corpus. Exits non-zero when any target reports a crash, a leak or undefined behaviour.
#
#   scripts/fuzz.sh [SECONDS]
#
# New inputs go to build-fuzz/corpus/TARGET, never into the source tree; a crashing input is
# written to build-fuzz/artifacts/ and the full log to build-fuzz/logs/TARGET.log.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-25}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi

bash scripts/install-deps.sh

# CW_FUZZ_BUILD names a clang build to add the targets to (the test script's sanitizer build).
build=${CW_FUZZ_BUILD:-build-fuzz}
if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
        -DBUILD_GUI=OFF -DCW_FUZZ=ON
else
    cmake "$build" -DCW_FUZZ=ON >/dev/null
fi

mapfile -t targets < <(ninja -C "$build" -t targets all |
    sed -n 's/^\([A-Za-z0-9_]*_fuzz\): phony$/\1/p' | grep -v '^cmake_' | sort -u)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz.sh: the build defines no *_fuzz target" >&2
    exit 1
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# The seed corpus of NAME_fuzz lies beside its source: corpus/NAME or fuzz_corpus.
seed_dir() {
    local source dir
    source=$(find tests -name "$1.cpp" -print -quit)
    [ -n "$source" ] || return 0
    dir=$(dirname "$source")
    for candidate in "$dir/corpus/${1%_fuzz}" "$dir/fuzz_corpus" "$dir/corpus"; do
        if [ -d "$candidate" ]; then
            echo "$candidate"
            return 0
        fi
    done
}

mkdir -p "$build/logs" "$build/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for target in "${targets[@]}"; do
    binary=$(find "$build" -type f -perm -u+x -name "$target" -print -quit)
    if [ -z "$binary" ]; then
        echo "fuzz.sh: $target was built but its binary is not under $build" >&2
        failed+=("$target")
        continue
    fi
    work="$build/corpus/$target"
    mkdir -p "$work"
    seeds=$(seed_dir "$target")
    # Room for mutations to grow the largest seed, and at least a few kilobytes.
    max_len=4096
    if [ -n "$seeds" ]; then
        largest=$(find "$seeds" -type f -printf '%s\n' | sort -n | tail -1)
        if [ -n "$largest" ] && [ $((largest * 2)) -gt $max_len ]; then
            max_len=$((largest * 2))
        fi
    fi
    log="$build/logs/$target.log"
    echo "== $target: ${seconds}s, max_len $max_len, seeds ${seeds:-none}"
    status=0
    "$binary" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 -rss_limit_mb=2560 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$work" ${seeds:+"$seeds"} >"$log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
    if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
        echo "   FAILED (exit $status) after ${execs:-?} runs; see $log"
        grep -E 'ERROR:|runtime error:|SUMMARY:|Test unit written' "$log" | head -10 | sed 's/^/   /'
        failed+=("$target")
    else
        echo "   ok: ${execs:-?} runs, $coverage, corpus $(find "$work" -type f | wc -l) inputs"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz.sh: findings in ${failed[*]}" >&2
    exit 1
fi
echo "fuzz.sh: no findings in ${targets[*]}"
