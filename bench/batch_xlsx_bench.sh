#!/usr/bin/env bash
# The batch's results as a streamed .xlsx against the same results as CSV: a schedule of
# 1 000 000 bays through curtainwall-batch, whole process, wall time and peak memory from
# /usr/bin/time -v. Targets: the .xlsx under 64 MB peak and within twice the CSV's time.
# Usage: bash bench/batch_xlsx_bench.sh [BUILD_DIR] [ROWS]   (default: build, 1000000)
# Set CW_BENCH_CHECK=1 to have openpyxl count the workbook's rows afterwards (slow).
set -euo pipefail
cd "$(dirname "$0")/.."
batch="${1:-build}/bin/curtainwall-batch"
rows="${2:-1000000}"
[ -x "$batch" ] || { echo "build $batch first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The three series, every static system, bands, pressures and speeds, a refused row in twenty.
awk -v n="$rows" 'BEGIN {
    print "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,structure_weight,snow_height,slope"
    split("veltra korin terrax", series, " "); split("one-span two-spans fixed-ends", systems, " ")
    split("0-8 8-20 20-100", bands, " ")
    for (i = 0; i < n; i++) {
        k = i % 3; s = (k == 2) ? systems[int(i / 3) % 2 + 1] : systems[int(i / 3) % 3 + 1]
        l1 = 200 + i % 300; if (i % 20 == 19) l1 = -l1
        l2 = (s == "two-spans") ? int((l1 < 0 ? -l1 : l1) / 2) : ""
        w = i % 5; wind = (w == 3) ? ",1.1," : (w == 4) ? ",,130" : bands[i % 3 + 1] ",,"
        printf "B-%d,%s,%s,%d,%d,%d,%s,100,%d,10,%s,200,15,0.1,100,30\n", i, series[k + 1], s,
            100 + i % 150, 90 + i % 120, l1, l2, 150 + i % 100, wind
    } }' >"$work/schedule.csv"

# One run: "WALL_SECONDS PEAK_MB" on standard output.
measure() {
    local out="$1" log="$work/time.log" status=0
    /usr/bin/time -v "$batch" "$work/schedule.csv" -o "$out" 2>"$log" || status=$?
    # 1: some rows refused, as the schedule means to; anything else is a failed run.
    if [ "$status" -gt 1 ]; then cat "$log" >&2; exit 1; fi
    awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); wall = 0
                                          for (i = 1; i <= n; i++) wall = wall * 60 + t[i] }
                /Maximum resident set size/ { rss = $2 }
                END { printf "%.2f %.1f\n", wall, rss / 1024 }' "$log"
}

read -r csvWall csvPeak < <(measure "$work/results.csv")
echo "$rows bays, CSV -> CSV:  $csvWall s, peak $csvPeak MB, $(stat -c %s "$work/results.csv") bytes"
read -r xlsxWall xlsxPeak < <(measure "$work/results.xlsx")
echo "$rows bays, CSV -> xlsx: $xlsxWall s, peak $xlsxPeak MB, $(stat -c %s "$work/results.xlsx") bytes"
awk -v c="$csvWall" -v x="$xlsxWall" -v p="$xlsxPeak" 'BEGIN {
    printf "xlsx / CSV time: %.2f (target under 2); xlsx peak %.1f MB (target under 64)\n", x / c, p
    exit (x < 2 * c && p < 64) ? 0 : 1 }'

if [ "${CW_BENCH_CHECK:-0}" = 1 ]; then
    /usr/bin/python3 - "$work/results.xlsx" "$rows" <<'PY'
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1], read_only=True).active
n = sum(1 for _ in ws.iter_rows(values_only=True))
print(f"openpyxl reads {n} rows (header and {n - 1} bays)")
sys.exit(0 if n == int(sys.argv[2]) + 1 else 1)
PY
fi
