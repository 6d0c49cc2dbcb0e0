#!/usr/bin/env bash
# Builds Mirel (installing what it needs) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${MIREL_BUILD_DIR:-build}/mirel"
