#!/usr/bin/env bash
# Sets up, builds and starts the card table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev
cmake --build --preset dev
exec build/dev/bin/halvane "$@"
