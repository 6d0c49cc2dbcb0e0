# Sourced by the benchmark scripts: builds the benchmark programs (installing what they need
# when it is missing), and starts a private X display when there is none; it stops with the
# script. The audio server comes from scripts/with-audio.sh.
build="${MIREL_BUILD_DIR:-build}"

bench_build() { # targets...
  scripts/install-packages.sh --build xvfb pulseaudio pulseaudio-utils >&2
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset test -B "$build" >/dev/null
  fi
  cmake --build "$build" --target "$@" -j"$(nproc)" >/dev/null
}

bench_started=()
bench_scratch=$(mktemp -d) # removed with everything else at the end
bench_stop() {
  local pid
  for pid in "${bench_started[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$bench_scratch"
}
trap bench_stop EXIT

# A private Xvfb on the first free display unless a display is set already, so that two runs
# at once never share one.
bench_display() {
  if [ -z "${DISPLAY:-}" ]; then
    . scripts/private-x.sh
    start_private_x "$bench_scratch" || { echo "Xvfb did not start" >&2; exit 1; }
    bench_started+=("$PRIVATE_X_PID")
  fi
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$bench_scratch/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
  fi
}

# The median of the numbers on standard input.
bench_median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
# The 95th percentile.
bench_p95() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int(NR * 95 / 100) + (NR * 95 % 100 > 0)] }'; }
