#!/usr/bin/env bash
# Sets everything up, builds Vellumry.exe and opens it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/run_reader.sh "$@"
