#!/usr/bin/env bash
# Builds an optimised tree and reports bays designed per second by the core alone, NEXT runs
# per second through the window model (target: 200,000 on 2 cores),
# plus a timed run of the replay tool itself over a script of 200,000 presses of NEXT.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target design_bench replay_bench curtainwall-replay >/dev/null
# The design core alone (target: 1,000,000 bays a second on one core).
build-bench/bin/design_bench --benchmark_min_time=1
build-bench/bin/replay_bench --benchmark_min_time=1

script=$(mktemp)
trap 'rm -f "$script"' EXIT
{
    printf 'click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n'
    printf 'type Text10 100\ntype Text12 150\nclick Option1\nclick Command15\n'
    awk 'BEGIN { for (i = 0; i < 200000; i++) print "click Command1" }'
    echo dump
} >"$script"
start=$(date +%s.%N)
build-bench/bin/curtainwall-replay --locale el_GR "$script" >/dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "replay tool: 200000 NEXT runs in %.3f s = %.0f runs/s\n", e - s, 200000 / (e - s) }'
