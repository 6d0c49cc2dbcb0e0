#!/usr/bin/env bash
# Builds the game (installing what it needs): the program, with its sound player and its
# sounds beside it, and nothing else; then starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
MIREL_PRESET=play MIREL_TARGETS=mirel scripts/setup.sh
exec "${MIREL_BUILD_DIR:-build}/mirel"
