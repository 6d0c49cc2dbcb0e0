#!/usr/bin/env bash
# Start-up to the first painted main window, the CPU time that took, and peak memory, of the
# game against a bare Qt window that paints one picture: alternately, in the same run, under
# a real X server (a private Xvfb when there is no display). Prints one tab-separated line
# per measurement (scripts/bench.sh makes the table). CPU time and peak memory are taken again
# half a second after the first paint: for the game as it starts by default, with sound off,
# and for the game with sound on, which loads its sound player once its window is up.
# Usage: scripts/bench-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-31}"
# The game starts its sound player, as on a desktop with an audio server.
if [ -z "${PULSE_SERVER:-}" ]; then exec scripts/with-audio.sh "$0" "$@"; fi
. scripts/bench-common.sh
bench_build mirel-bench-startup-game mirel-bench-startup-bare
bench_display
# The game reads its settings from a folder of the run's own, never the player's; the runs
# with sound on from another, which says so.
export XDG_CONFIG_HOME="$bench_scratch/config"
mkdir -p "$bench_scratch/config-sound/Mirel"

declare -A ms kb cpu
for i in $(seq "$runs"); do
  for who in game bare; do
    line=$(MIREL_BENCH_T0_NS=$(date +%s%N) "$build/bench/mirel-bench-startup-$who")
    ms[$who]+="$(sed -E 's/.*startup_ms=([0-9.]+).*/\1/' <<<"$line") "
    kb[$who]+="$(sed -E 's/.*peak_kb=([0-9]+).*/\1/' <<<"$line") "
    cpu[$who]+="$(sed -E 's/.*cpu_ms=([0-9.]+).*/\1/' <<<"$line") "
  done
done
settled_runs=$(((runs + 2) / 3))
for i in $(seq "$settled_runs"); do
  for who in game game-sound bare; do
    config="$XDG_CONFIG_HOME"
    if [ "$who" = game-sound ]; then
      # What the game saved at its last end is replaced: sound on, nothing else stored.
      config="$bench_scratch/config-sound"
      printf '[Settings]\nSound=1\n' >"$config/Mirel/Mirel.conf"
    fi
    line=$(XDG_CONFIG_HOME="$config" MIREL_BENCH_SETTLE_MS=500 "$build/bench/mirel-bench-startup-${who%-sound}")
    kb[settled-$who]+="$(sed -E 's/.*peak_kb=([0-9]+).*/\1/' <<<"$line") "
    cpu[settled-$who]+="$(sed -E 's/.*cpu_ms=([0-9.]+).*/\1/' <<<"$line") "
  done
done

line() { # key, values, unit, what[, runs]
  local median p95
  median=$(tr ' ' '\n' <<<"$2" | grep . | bench_median)
  p95=$(tr ' ' '\n' <<<"$2" | grep . | bench_p95)
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$1" "$median" "$3" "${5:-$runs}" "$p95" "$4"
}
for who in game game-sound bare; do
  name="the game"
  [ "$who" = game-sound ] && name="the game with sound on"
  [ "$who" = bare ] && name="a bare Qt window painting one picture"
  if [ "$who" != game-sound ]; then
    line "startup-$who" "${ms[$who]}" ms "start-up to the first painted window, $name (Xvfb)"
    line "startup-cpu-$who" "${cpu[$who]}" ms "CPU time to the first painted window, $name"
    line "memory-$who" "${kb[$who]}" KiB "peak memory at the first paint, $name"
  fi
  line "settled-cpu-$who" "${cpu[settled-$who]}" ms \
    "CPU time to half a second after the first paint, $name" "$settled_runs"
  line "settled-memory-$who" "${kb[settled-$who]}" KiB \
    "peak memory half a second after the first paint, $name" "$settled_runs"
done
