#!/usr/bin/env bash
# Remakes the game's sounds in sound/wav/ with the generator (the output is the same bytes
# every run) and prints their length, peak and RMS when sox is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${MIREL_SOUND_BUILD:-/tmp/mirel-sound-build}"
mkdir -p "$build"
g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -I. \
  sound/generator/main.cpp sound/WavFile.cpp -o "$build/mirel-soundgen"
"$build/mirel-soundgen" sound/wav
if command -v sox >/dev/null; then
  for f in sound/wav/*.wav; do
    printf '%s: ' "$f"
    sox "$f" -n stat 2>&1 | awk -F: '/Length|Maximum amplitude|RMS +amplitude/ {gsub(/ +/, " "); printf "%s =%s; ", $1, $2} END {print ""}'
  done
fi
