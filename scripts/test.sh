#!/usr/bin/env bash
# Sets everything up and runs every test: the unit tests natively and under the
# address, undefined-behaviour and thread sanitizers, the portability check, a short
# fuzzing run, then the Windows build and its end-to-end tests
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/check_platform_includes.sh

for preset in native sanitize tsan; do
  echo "== unit tests ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" --no-tests=error
done

echo "== fuzzing (20 s per target)"
scripts/fuzz.sh

echo "== Windows build and end-to-end tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --test-dir build/windows -L e2e --output-on-failure --no-tests=error
