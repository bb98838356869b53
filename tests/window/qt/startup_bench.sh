#!/usr/bin/env bash
# Start-up benchmark, run by hand: time from process start to the first painted window, and
# peak resident memory, under a virtual display of its own. Targets: 300 ms and 80 MB.
#
# usage: tests/window/qt/startup_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail

build=${1:-build}
runs=${2:-10}
probe=$build/bin/startup_probe
[ -x "$probe" ] || { echo "no $probe: build the startup_probe target first" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 2; }

display=
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 2; }

Xvfb ":$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
runtime=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done

times=()
peaks=()
for i in $(seq "$runs"); do
    start=$EPOCHREALTIME
    out=$(DISPLAY=":$display" XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$probe" 2>/dev/null)
    painted=$(awk '/^first_paint_epoch/ {print $2}' <<<"$out")
    peak_kb=$(awk '/^peak_rss/ {print $2}' <<<"$out")
    ms=$(awk -v a="$start" -v b="$painted" 'BEGIN {printf "%.0f", (b - a) * 1000}')
    printf 'run %2d: first paint after %4s ms, peak memory %6s kB\n' "$i" "$ms" "$peak_kb"
    times+=("$ms")
    peaks+=("$peak_kb")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ms=$(median "${times[@]}")
mb=$(awk -v k="$(median "${peaks[@]}")" 'BEGIN {printf "%.1f", k / 1024}')
echo "median: first paint after $ms ms (target < 300), peak memory $mb MB (target < 80)"
awk -v ms="$ms" -v mb="$mb" 'BEGIN {exit !(ms < 300 && mb < 80)}' && echo "within target" ||
    { echo "over target"; exit 1; }
