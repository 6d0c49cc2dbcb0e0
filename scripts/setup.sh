#!/usr/bin/env bash
# Installs what building Mirel needs on Debian 12, when it is missing, and configures and
# builds the game and its tests in build/ (or $MIREL_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake g++ make qt6-base-dev qt6-multimedia-dev libgl-dev libsndfile1-dev

build="${MIREL_BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
