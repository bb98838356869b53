#!/usr/bin/env bash
# Builds an optimised tree and reports bays designed per second by the core alone (target:
# 1,000,000 on one core, also with a 10 000-row catalogue, which reads in under 50 ms), NEXT runs per second through the window model (target: 200,000 on 2
# cores), a timed run of the replay tool itself over a script of 200,000 presses of NEXT; then
# bays per second through the batch (target: 200,000 on one core, CSV to CSV) and a schedule
# of 1,000,000 bays through curtainwall-batch with its peak memory (target: under 64 MB).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target design_bench limit_state_bench catalogue_bench replay_bench curtainwall-replay batch_bench curtainwall-batch >/dev/null
build-bench/bin/design_bench --benchmark_min_time=1
build-bench/bin/limit_state_bench --benchmark_min_time=1
# A 10 000-row user catalogue: read in under 50 ms, designed with at over 1 000 000 bays/s.
build-bench/bin/catalogue_bench --benchmark_min_time=1
build-bench/bin/replay_bench --benchmark_min_time=1

script=$(mktemp)
schedule=$(mktemp --suffix=.csv)
results=$(mktemp --suffix=.csv)
trap 'rm -f "$script" "$schedule" "$results"' EXIT
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

build-bench/bin/batch_bench --benchmark_min_time=1

# A million bays of the three series, every static system, bands, pressures and speeds.
awk 'BEGIN {
    print "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,structure_weight,snow_height,slope"
    split("veltra korin terrax", series, " "); split("one-span two-spans fixed-ends", systems, " ")
    split("0-8 8-20 20-100", bands, " ")
    for (i = 0; i < 1000000; i++) {
        k = i % 3; s = (k == 2) ? systems[int(i / 3) % 2 + 1] : systems[int(i / 3) % 3 + 1]
        l1 = 200 + i % 300; l2 = (s == "two-spans") ? int(l1 / 2) : ""
        w = i % 5; wind = (w == 3) ? ",1.1," : (w == 4) ? ",,130" : bands[i % 3 + 1] ",,"
        printf "B-%d,%s,%s,%d,%d,%d,%s,100,%d,10,%s,200,15,0.1,100,30\n", i, series[k + 1], s,
            100 + i % 150, 90 + i % 120, l1, l2, 150 + i % 100, wind
    } }' >"$schedule"
log=$(mktemp)
/usr/bin/time -v taskset -c 0 build-bench/bin/curtainwall-batch "$schedule" -o "$results" 2>"$log" || true
awk -F': ' '/Elapsed \(wall clock\)/ { split($2, t, ":"); wall = t[1] * 60 + t[2] }
    /User time/ { user = $2 } /System time/ { sys = $2 }
    /Maximum resident set size/ { rss = $2 }
    END { printf "curtainwall-batch, one core: 1000000 bays in %.2f s wall (%.2f s CPU) = %.0f bays/s, peak memory %.1f MB\n",
          wall, user + sys, 1000000 / wall, rss / 1024 }' "$log"
rm -f "$log"
