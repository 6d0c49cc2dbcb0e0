#!/usr/bin/env bash
# The game with its real clock and sound player, through a private PulseAudio server with a
# null sink, in a real X server (a private Xvfb when there is no display): a press on a group
# of 150 with the sound on, the CPU it uses while idle, and during an explosion. Prints one
# tab-separated line per measurement (scripts/bench.sh makes the table).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/bench-common.sh
bench_build mirel-bench-cpu
bench_display
scripts/with-audio.sh "$build/bench/mirel-bench-cpu"
