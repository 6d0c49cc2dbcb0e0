#!/usr/bin/env bash
# The rules alone, and the window's hot paths with painting: under a real X server (a private
# Xvfb when there is no display) and on Qt's offscreen platform. Prints one tab-separated
# line per measurement (scripts/bench.sh makes the table).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/bench-common.sh
bench_build mirel-bench-rules mirel-bench-play
bench_display

"$build/bench/mirel-bench-rules"
QT_QPA_PLATFORM=xcb "$build/bench/mirel-bench-play"
# Offscreen, only the presses: the rest is the same work on another backing store.
MIREL_BENCH_PRESSES_ONLY=1 QT_QPA_PLATFORM=offscreen "$build/bench/mirel-bench-play"
