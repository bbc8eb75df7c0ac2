#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh             normal build (build/)
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer (build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
[ "${1:-}" = "--sanitize" ] && preset=sanitize
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$jobs"
ctest --preset "$preset" -j "$jobs"
