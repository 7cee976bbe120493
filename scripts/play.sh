#!/usr/bin/env bash
# Sets up, builds and starts the card table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# A configured build folder keeps its settings; only a fresh one is configured.
if [ ! -f build/dev/CMakeCache.txt ]; then
    cmake --preset dev
fi
cmake --build --preset dev
exec build/dev/bin/halvane "$@"
