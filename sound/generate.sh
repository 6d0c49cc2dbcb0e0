#!/usr/bin/env bash
# Remakes the game's sounds in sound/wav/ with the generator, built as a target of the game's
# own build (MIREL_BUILD_SOUND_GENERATOR), and prints their length, peak and RMS when sox is
# installed. The output is the same bytes every run.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${MIREL_SOUND_BUILD:-/tmp/mirel-sound-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMIREL_BUILD_SOUND_GENERATOR=ON \
  -DMIREL_BUILD_TESTS=OFF -DMIREL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2 --target mirel-soundgen
"$build/sound/mirel-soundgen" sound/wav
if command -v sox >/dev/null; then
  for f in sound/wav/*.wav; do
    printf '%s: ' "$f"
    sox "$f" -n stat 2>&1 | awk -F: '/Length|Maximum amplitude|RMS +amplitude/ {gsub(/ +/, " "); printf "%s =%s; ", $1, $2} END {print ""}'
  done
fi
