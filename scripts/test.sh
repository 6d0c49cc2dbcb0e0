#!/usr/bin/env bash
# Builds Mirel and its tests (installing what they need) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd "${MIREL_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
