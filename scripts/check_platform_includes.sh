#!/usr/bin/env bash
# Only the platform layer and the end-to-end driver may include <windows.h>: the reader
# logic and the shared rules must stay portable and testable without Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

offenders=$(git ls-files -co --exclude-standard -- '*.h' '*.hpp' '*.cpp' '*.c' '*.rc' |
  grep -v -E '^(shell/win32/|tests/e2e/)' |
  xargs -r grep -l -i -E '#[[:space:]]*include[[:space:]]*[<"]windows\.h[>"]' || true)
if [ -n "$offenders" ]; then
  echo "<windows.h> is included outside shell/win32/ and tests/e2e/:"
  echo "$offenders"
  exit 1
fi
echo "platform includes: only shell/win32/ and tests/e2e/ include <windows.h>"
