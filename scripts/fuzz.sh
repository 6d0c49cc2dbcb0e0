#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz/ (or $MIREL_FUZZ_BUILD_DIR) and runs each for
# a bounded time, $MIREL_FUZZ_SECONDS (default 30) seconds, from its seed corpus in
# fuzz/corpus/. New inputs they find go to a scratch copy, not the repository. A crash, a
# leak or a broken property stops the run: the input that did it is kept in
# $build/fuzz-findings/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh --build clang-14 libclang-rt-14-dev

build="${MIREL_FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${MIREL_FUZZ_SECONDS:-30}"
cmake --preset fuzz -B "$build" >/dev/null
targets=(stored_values settings sound_file)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

findings="$build/fuzz-findings"
mkdir -p "$findings"
status=0
for target in "${targets[@]}"; do
  scratch="$(mktemp -d)"
  log="$build/fuzz_$target.log"
  echo "fuzz_$target: $seconds s from $(find "fuzz/corpus/$target" -type f | wc -l) seeds"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/${target}-" \
    "$scratch" "fuzz/corpus/$target" >"$log" 2>&1; then
    result="no findings"
  else
    result="FINDING (see $log and $findings)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "fuzz_$target: ${runs:-?} executions, corpus grew to $(find "$scratch" -type f | wc -l) new inputs, $result"
  rm -rf "$scratch"
done
exit $status
