#!/usr/bin/env bash
# Times the game's hot paths: the largest removal, the move test, and a press on the board
# through to the repainted board in a real window (Xvfb is started when there is no DISPLAY).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${MIREL_BUILD_DIR:-build}"
scripts/setup.sh >/dev/null
if [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq xvfb; }
  export DISPLAY=:98
  Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$build/bench/mirel-bench-play"
