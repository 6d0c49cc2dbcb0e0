#!/usr/bin/env bash
# Start-up to the first painted main window, and peak memory, of the game against a bare
# Qt window that paints one picture, measured in the same run, alternately, under a real X
# server (Xvfb is started when there is no DISPLAY). Usage: scripts/bench-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
build="${MIREL_BUILD_DIR:-build}"
scripts/setup.sh >/dev/null

. scripts/with-display.sh 97

measure() { # program -> "startup_ms=… peak_kb=…"
  MIREL_BENCH_T0_NS=$(date +%s%N) "$1"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

game_ms=(); game_kb=(); bare_ms=(); bare_kb=()
for i in $(seq "$runs"); do
  for who in game bare; do
    line=$(measure "$build/bench/mirel-bench-startup-$who")
    ms=$(sed -E 's/.*startup_ms=([0-9.]+).*/\1/' <<<"$line")
    kb=$(sed -E 's/.*peak_kb=([0-9]+).*/\1/' <<<"$line")
    if [ "$who" = game ]; then game_ms+=("$ms"); game_kb+=("$kb"); else bare_ms+=("$ms"); bare_kb+=("$kb"); fi
  done
done

gm=$(printf '%s\n' "${game_ms[@]}" | median); bm=$(printf '%s\n' "${bare_ms[@]}" | median)
gk=$(printf '%s\n' "${game_kb[@]}" | median); bk=$(printf '%s\n' "${bare_kb[@]}" | median)
echo "runs: $runs each, alternating, median"
echo "start-up to first paint: game ${gm} ms, bare window ${bm} ms, ratio $(awk -v a="$gm" -v b="$bm" 'BEGIN { printf "%.2f", a / b }')"
echo "peak memory:             game ${gk} KiB, bare window ${bk} KiB, ratio $(awk -v a="$gk" -v b="$bk" 'BEGIN { printf "%.2f", a / b }')"
