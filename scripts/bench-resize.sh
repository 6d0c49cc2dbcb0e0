#!/usr/bin/env bash
# Resize to crisp and the memory a large window keeps, as a player sees them: the game on a
# private Xvfb of 3840 x 2160 under openbox, a board dealt (Ctrl+N). For each size, the window
# is put back at 676 x 375, then resized (wmctrl) while mirel-bench-crisp watches two buttons
# and two cells on the screen every 2 ms, from just before the resize to the last change they
# show. Then resident memory (VmRSS) at 1x, full screen and back at 1x, over several cycles,
# and the sizes drawn for while a corner is dragged in 20 steps (the game's mirel.drawing log).
# Prints tab-separated lines as the other benchmarks do (scripts/bench.sh makes the table).
# Usage: scripts/bench-resize.sh [runs]; MIREL_GAME=<program> measures another build's game.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
. scripts/bench-common.sh
. scripts/private-x.sh
scripts/install-packages.sh --build xvfb openbox wmctrl xdotool >&2
bench_build mirel mirel-bench-crisp
game="${MIREL_GAME:-$build/mirel}"
crisp="$build/bench/mirel-bench-crisp"

Xvfb -displayfd 5 -screen 0 3840x2160x24 -nolisten tcp -noreset 5>"$bench_scratch/display" 2>/dev/null &
bench_started+=($!)
for _ in $(seq 100); do [ -s "$bench_scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$bench_scratch/display")"
export XDG_CONFIG_HOME="$bench_scratch/config" XDG_RUNTIME_DIR="$bench_scratch/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
bench_started+=($!)
sleep 1
QT_LOGGING_RULES="mirel.drawing=true" "$game" >"$bench_scratch/game.log" 2>&1 &
pid=$!
bench_started+=($pid)
win=$(await_game_window "$pid" 300)
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
sleep 1
xdotool key --window "$win" ctrl+n
sleep 1

at_1x() {
  wmctrl -i -r "$win" -b remove,fullscreen,maximized_vert,maximized_horz
  wmctrl -i -r "$win" -e 0,0,0,676,375
  sleep 1.5
}
to() { # factor or "fullscreen": the command that makes that size
  if [ "$1" = fullscreen ]; then
    echo wmctrl -i -r "$win" -b add,fullscreen
  else
    echo wmctrl -i -r "$win" -e "0,0,0,$(awk -v f="$1" 'BEGIN { printf "%d,%d", 676 * f + 0.5, 375 * f + 0.5 }')"
  fi
}
# Two buttons (New, Exit) and two cells, where they lie once the window has its new size.
areas() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  awk -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" 'BEGIN {
    f = W / 676; if (H / 375 < f) f = H / 375; if (f < 1) f = 1
    ox = X + int((W - int(676 * f)) / 2); oy = Y + int((H - int(375 * f)) / 2)
    split("622,90,48,24 628,324,48,25 16,16,32,32 240,160,32,32", a, " ")
    for (i = 1; i <= 4; i++) { split(a[i], r, ","); printf "%d,%d,%d,%d ", ox + r[1] * f, oy + r[2] * f, r[3] * f, r[4] * f }
  }'
}
rss() { awk '/^VmRSS/ { print int($2 / 1024) }' "/proc/$pid/status"; }

cycles=""
for cycle in 1 2 3; do
  sleep 1
  one=$(rss)
  $(to fullscreen)
  sleep 4
  full=$(rss)
  at_1x
  sleep 3
  cycles+="$one/$full/$(rss) "
done
printf 'rss-cycles\t%s\tMiB\t3\t-\tresident memory at 1x / full screen 3840x2160 / back at 1x, each cycle\n' "$cycles"

for size in ${MIREL_SIZES:-1.37 2.5 3 fullscreen}; do
  at_1x
  $(to "$size")
  sleep 3
  where=$(areas)
  samples=""
  for _ in $(seq "$runs"); do
    at_1x
    # shellcheck disable=SC2046
    line=$("$crisp" $where -- $(to "$size"))
    samples+="$(sed -E 's/.*last_change_ms=([0-9.-]+).*/\1/' <<<"$line") "
  done
  median=$(tr ' ' '\n' <<<"$samples" | grep . | bench_median)
  p95=$(tr ' ' '\n' <<<"$samples" | grep . | bench_p95)
  name="$size"; [ "$size" = fullscreen ] && name="3840x2160"
  printf 'resize-crisp-%s\t%s\tms\t%s\t%s\tresize to the last change on screen at %s (Xvfb, openbox): %s\n' \
    "$name" "$median" "$runs" "$p95" "$name" "$samples"
done


# A corner dragged: 20 sizes, one every 15 ms or so; the sizes the game drew for.
at_1x
before=$(grep -c "drawing" "$bench_scratch/game.log" || true)
for i in $(seq 20); do
  wmctrl -i -r "$win" -e "0,0,0,$((676 + i * 50)),$((375 + i * 28))"
  sleep 0.015
done
sleep 2
sizes=$(grep "drawing" "$bench_scratch/game.log" | tail -n +"$((before + 1))" | sed 's/.* at //' | sort -u | wc -l)
printf 'drag-drawings\t%s\tsizes\t1\t-\tsizes drawn for while a corner is dragged in 20 steps (MIREL_GAME without the log reads 0)\n' "$sizes"
