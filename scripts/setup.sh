#!/usr/bin/env bash
# Installs what building Mirel needs on Debian 12, when it is missing, and configures and
# builds in build/ (or $MIREL_BUILD_DIR): everything, or only the targets named in
# $MIREL_TARGETS (scripts/play.sh builds only the game). The configuration is the preset
# $MIREL_PRESET of CMakePresets.json (test unless told); arguments go to CMake after it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh --build

build="${MIREL_BUILD_DIR:-build}"
cmake --preset "${MIREL_PRESET:-test}" -B "$build" "$@" >/dev/null
targets=()
for target in ${MIREL_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
