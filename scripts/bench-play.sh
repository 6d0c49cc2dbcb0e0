#!/usr/bin/env bash
# Times the game's hot paths: the largest removal, the move test, and a press on the board
# through to the repainted board in a real window (Xvfb is started when there is no DISPLAY).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${MIREL_BUILD_DIR:-build}"
scripts/setup.sh >/dev/null
. scripts/with-display.sh 98
"$build/bench/mirel-bench-play"
