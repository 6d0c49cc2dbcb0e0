#!/usr/bin/env bash
# Runs every benchmark (scripts/bench-startup.sh, bench-play.sh, bench-cpu.sh,
# bench-resize.sh, and mirel-bench-draw) and prints
# the table of results, with the floor each figure is measured against and its target.
# Usage: scripts/bench.sh [start-up runs]. MIREL_BENCH_RAW=file keeps the raw lines;
# MIREL_BENCH_FROM=file prints the table of raw lines kept before, without measuring.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -n "${MIREL_BENCH_FROM:-}" ]; then
  raw="$MIREL_BENCH_FROM"
else
  raw="${MIREL_BENCH_RAW:-$(mktemp)}"
  : >"$raw"
  echo "start-up and memory..." >&2
  scripts/bench-startup.sh "${1:-31}" >>"$raw"
  echo "rules and window..." >&2
  scripts/bench-play.sh >>"$raw"
  echo "sound, idle and explosions..." >&2
  scripts/bench-cpu.sh >>"$raw"
  echo "resizes, memory of a large window, drawing..." >&2
  scripts/bench-resize.sh >>"$raw"
  QT_QPA_PLATFORM=offscreen "${MIREL_BUILD_DIR:-build}/bench/mirel-bench-draw" 1.37 2.5 3 5.68 >>"$raw"
fi

declare -A value unit runs
while IFS=$'\t' read -r key median u n _p95 _what; do
  value[$key]=$median
  unit[$key]=$u
  runs[$key]=$n
done <"$raw"

fmt() { # key -> "value unit"
  local v="${value[$1]:-}"
  if [ -z "$v" ]; then printf 'n/a'; return; fi
  case "${unit[$1]}" in
    KiB) awk -v v="$v" 'BEGIN { printf "%.1f MiB", v / 1024 }' ;;
    us) awk -v v="$v" 'BEGIN { if (v >= 1000) printf "%.2f ms", v / 1000; else if (v >= 10) printf "%.0f µs", v; else printf "%.2f µs", v }' ;;
    %) awk -v v="$v" 'BEGIN { printf "%.2f %%", v }' ;;
    *) awk -v v="$v" -v u="${unit[$1]}" 'BEGIN { printf "%.1f %s", v, u }' ;;
  esac
}
ratio() { awk -v a="${value[$1]:-0}" -v b="${value[$2]:-0}" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }
met() { # expression over v (and r) -> yes / NO
  awk -v v="$1" "BEGIN { print ($2) ? \"yes\" : \"**no**\" }"
}
row() { printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$@"; }

runs_of() { printf '%s' "${runs[$1]:-0}"; }

echo
echo "| Measurement | Game | Floor | Ratio | Target | Met | Runs |"
echo "|---|---|---|---|---|---|---|"
r=$(ratio startup-game startup-bare)
row "Start-up to the first painted window (Xvfb)" "$(fmt startup-game)" "bare window $(fmt startup-bare)" "$r" "≤ 1.10 × bare" "$(met "$r" 'v <= 1.10')" "$(runs_of startup-game) + $(runs_of startup-bare), alternating"
r=$(ratio startup-cpu-game startup-cpu-bare)
row "CPU time to the first painted window" "$(fmt startup-cpu-game)" "bare window $(fmt startup-cpu-bare)" "$r" "" "" "$(runs_of startup-cpu-game)"
r=$(ratio memory-game memory-bare)
row "Peak memory at the first paint" "$(fmt memory-game)" "bare window $(fmt memory-bare)" "$r" "≤ 1.10 × bare" "$(met "$r" 'v <= 1.10')" "$(runs_of memory-game)"
r=$(ratio settled-cpu-game settled-cpu-bare)
row "CPU time to 0.5 s after the first paint, sound off (as on a first run)" "$(fmt settled-cpu-game)" "bare window $(fmt settled-cpu-bare)" "$r" "" "" "$(runs_of settled-cpu-game)"
r=$(ratio settled-memory-game settled-memory-bare)
row "Peak memory 0.5 s after the first paint, sound off (as on a first run)" "$(fmt settled-memory-game)" "bare window $(fmt settled-memory-bare)" "$r" "≤ 1.10 × bare" "$(met "$r" 'v <= 1.10')" "$(runs_of settled-memory-game)"
r=$(ratio settled-cpu-game-sound settled-cpu-bare)
row "CPU time to 0.5 s after the first paint, sound on, the sound player loaded" "$(fmt settled-cpu-game-sound)" "bare window $(fmt settled-cpu-bare)" "$r" "" "" "$(runs_of settled-cpu-game-sound)"
r=$(ratio settled-memory-game-sound settled-memory-bare)
row "Peak memory 0.5 s after the first paint, sound on, the sound player loaded" "$(fmt settled-memory-game-sound)" "bare window $(fmt settled-memory-bare)" "$r" "" "" "$(runs_of settled-memory-game-sound)"
row "\`ResolveClick\` rules, worst case ($(grep -P '^resolve-rules-worst\t' "$raw" | cut -f6))" "$(fmt resolve-rules-worst)" "" "" "< 5 µs" "$(met "${value[resolve-rules-worst]:-99}" 'v < 5')" "$(runs_of resolve-rules-worst)"
row "\`MovesLeft\`, a full board with no move" "$(fmt moves-left)" "" "" "" "" "$(runs_of moves-left)"
row "A deal (rules)" "$(fmt deal)" "" "" "" "" "$(runs_of deal)"
row "An explosion (rules)" "$(fmt explosion)" "" "" "" "" "$(runs_of explosion)"
row "A row shift (rules)" "$(fmt row-shift)" "" "" "" "" "$(runs_of row-shift)"
row "A column shift (rules)" "$(fmt column-shift)" "" "" "" "" "$(runs_of column-shift)"
row "Whether any shift brings a group back, worst case (37 800 boards, none with a group)" "$(fmt shifts-no-repair)" "" "" "" "" "$(runs_of shifts-no-repair)"
row "One full repaint of the board (150 cells, Xvfb)" "$(fmt full-repaint)" "" "" "" "" "$(runs_of full-repaint)"
r=$(ratio resolve-paint-148 full-repaint)
row "\`ResolveClick\` with painting, a group of 148 (every cell changes)" "$(fmt resolve-paint-148)" "full repaint $(fmt full-repaint)" "$r" "≤ 2 × full repaint" "$(met "$r" 'v <= 2')" "$(runs_of resolve-paint-148)"
r=$(ratio resolve-paint-150 full-repaint)
row "\`ResolveClick\` with painting, a group of 150 (ends the game)" "$(fmt resolve-paint-150)" "full repaint $(fmt full-repaint)" "$r" "" "" "$(runs_of resolve-paint-150)"
row "A deal in the window (New, 150 cells painted)" "$(fmt deal-window)" "" "" "" "" "$(runs_of deal-window)"
row "An explosion in the window, pauses and sounds left out" "$(fmt explosion-window)" "" "" "" "" "$(runs_of explosion-window)"
row "A row shift in the window, sounds left out" "$(fmt row-shift-window)" "" "" "" "" "$(runs_of row-shift-window)"
row "A column shift in the window, sounds left out" "$(fmt column-shift-window)" "" "" "" "" "$(runs_of column-shift-window)"
for platform in xcb offscreen; do
  for what in pair column 148; do
    key="press-$platform-$what"
    case $what in pair) label="a pair" ;; column) label="a column closes" ;; 148) label="a group of 148" ;; esac
    if [ "$platform" = offscreen ]; then
      row "Press to repainted board, offscreen: $label" "$(fmt "$key")" "" "" "< 2 ms" "$(met "${value[$key]:-99999}" 'v < 2000')" "$(runs_of "$key")"
    else
      row "Press to repainted board, Xvfb: $label" "$(fmt "$key")" "" "" "" "" "$(runs_of "$key")"
    fi
  done
done
row "Press on a group of 150, sound on, real audio server (Xvfb)" "$(fmt press-150-sound)" "" "" "< 16 ms" "$(met "${value[press-150-sound]:-99}" 'v < 16')" "$(runs_of press-150-sound)"
for sound in $(printf '%s\n' "${!value[@]}" | sed -n 's/^sound-waited-late-//p' | sort); do
  row "A waited play of $sound, past its length" "$(fmt "sound-waited-late-$sound")" "" "" "< 300 ms" "$(met "${value[sound-waited-late-$sound]:-999}" 'v < 300')" "$(runs_of "sound-waited-late-$sound")"
done
row "150 quick starts of the bleep" "$(fmt sound-150-starts)" "" "" "< 150 ms" "$(met "${value[sound-150-starts]:-999}" 'v < 150')" "$(runs_of sound-150-starts)"
row "Closing the player while a sound plays" "$(fmt sound-close-playing)" "" "" "< 1 s" "$(met "${value[sound-close-playing]:-9999}" 'v < 1000')" "$(runs_of sound-close-playing)"
row "CPU while idle, \`Timer1\` running" "$(fmt idle-cpu)" "" "" "< 0.5 % of a core" "$(met "${value[idle-cpu]:-99}" 'v < 0.5')" "$(runs_of idle-cpu) windows"
row "CPU during an explosion, sound off ($(fmt explosion-sound-off-wall), its pauses): whole game" "$(fmt explosion-sound-off-cpu)" "" "" "close to none (< 0.5 %)" "$(met "${value[explosion-sound-off-cpu]:-99}" 'v < 0.5')" "$(runs_of explosion-sound-off-cpu)"
row "… the window's own thread" "$(fmt explosion-sound-off-cpu-ui)" "" "" "close to none (< 0.5 %)" "$(met "${value[explosion-sound-off-cpu-ui]:-99}" 'v < 0.5')" "$(runs_of explosion-sound-off-cpu-ui)"
row "CPU during an explosion, sound on ($(fmt explosion-sound-on-wall)): whole game, sound playing" "$(fmt explosion-sound-on-cpu)" "" "" "" "" "$(runs_of explosion-sound-on-cpu)"
row "… the window's own thread" "$(fmt explosion-sound-on-cpu-ui)" "" "" "close to none (< 0.5 %)" "$(met "${value[explosion-sound-on-cpu-ui]:-99}" 'v < 0.5')" "$(runs_of explosion-sound-on-cpu-ui)"
for size in 1.37 2.5 3 3840x2160; do
  key="resize-crisp-$size"
  label="at $size"; [ "$size" = 3840x2160 ] && label="to full screen, 3840 × 2160"
  row "Resize to crisp on screen $label (Xvfb 3840 × 2160, openbox)" "$(fmt "$key")" "" "" "≤ 150 ms" "$(met "${value[$key]:-9999}" 'v <= 150')" "$(runs_of "$key")"
done
row "Sizes drawn for while a corner is dragged in 20 steps" "${value[drag-drawings]:-n/a}" "" "" "1" "$(met "${value[drag-drawings]:-99}" 'v == 1')" "1"
row "Resident memory at 1x / full screen 3840 × 2160 / back at 1x, each of three cycles" "${value[rss-cycles]:-n/a} MiB" "" "" "full ≤ 1x + 40, back ≤ 1x + 10" "" "1"
for scale in 1.37 2.5 3 5.68; do
  row "Every picture drawn afresh at $scale, on one thread" "$(fmt "draw-all-$scale")" "" "" "" "" "$(runs_of "draw-all-$scale")"
done
echo
if [ -z "${MIREL_BENCH_FROM:-}" ]; then
  echo "Medians. $(nproc) cores, $(uname -m), Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6); load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
fi
