#!/usr/bin/env bash
# Builds Mirel and its tests (installing what they need) and runs every test. Extra
# arguments go to CMake, e.g. -DMIREL_SANITIZE=ON with MIREL_BUILD_DIR=build-asan, or
# MIREL_PRESET=sanitizers (CMakePresets.json) does the same.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh --tests
scripts/setup.sh "$@"
cd "${MIREL_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
