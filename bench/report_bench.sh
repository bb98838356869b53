#!/usr/bin/env bash
# Times the calculation package from the command line (process start and fonts included):
# a one-bay package (target: under 150 ms) and a schedule of 1 000 bays (targets: under 10 s
# and 200 MB of peak memory, the front with its summary, contents, bookmarks and links
# included).
# Usage: bash bench/report_bench.sh [BUILD_DIR]  (default: build, which must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
report="${1:-build}/bin/curtainwall-report"
[ -x "$report" ] || { echo "build $report first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

now() { date +%s.%N; }
elapsed() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.0f", (e - s) * 1000 }'; }

best=""
for i in 1 2 3 4 5; do
    start=$(now)
    "$report" tests/report/bays/veltra_one_span.cwbay -o "$work/one.pdf" --locale el_GR >/dev/null
    ms=$(elapsed "$start" "$(now)")
    echo "one bay, run $i: $ms ms"
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "one bay: best of 5 $best ms"

{
    echo "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,d,f,structure_weight,snow_height,slope"
    awk 'BEGIN {
        split("veltra korin terrax", series, " ")
        for (i = 0; i < 1000; i++) {
            s = series[i % 3 + 1]
            sys = (i % 4 == 0) ? "two-spans" : (i % 4 == 1 && s != "terrax") ? "fixed-ends" : "one-span"
            L1 = 250 + (i % 7) * 25
            L2 = (sys == "two-spans") ? 50 + (i % 5) * 30 : ""
            printf "B-%04d,%s,%s,%d,%d,%d,%s,100,%d,10,8-20,200,15,0.1,20,30\n", i, s, sys, 100 + (i % 5) * 10, 90, L1, L2, 150 + (i % 3) * 25
        }
    }'
} >"$work/schedule.csv"
# The schedule's numbers have a point (structure_weight 0.1): read them under en_US.
start=$(now)
summary=$(/usr/bin/time -f "%M" -o "$work/peak_kb" \
    "$report" "$work/schedule.csv" -o "$work/schedule.pdf" --locale en_US \
    --project examples/project.json)
ms=$(elapsed "$start" "$(now)")
echo "$summary"
# Every row must be a bay, or the time is that of fewer bays than it claims.
case "$summary" in
    "1000 bay(s), 0 row(s) refused"*) ;;
    *) echo "the schedule did not give 1000 bays" >&2; exit 1 ;;
esac
echo "1000-bay schedule: $ms ms, peak $(( $(cat "$work/peak_kb") / 1024 )) MB," \
     "$(stat -c %s "$work/schedule.pdf") bytes"
