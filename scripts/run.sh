#!/usr/bin/env bash
# Installs what is missing, builds, and starts the front end QVTA_WIN.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
exec ./build/bin/QVTA_WIN "$@"
