#!/usr/bin/env bash
# The soak run: the real program under Wine, auto-reading at its fastest on a 20 MB novel
# while a reader's actions repeat, for the given time (default 600 s). Prints the program's
# memory, handles, GDI and USER objects at the start and at the end and the actions made;
# fails when the program died, showed a message box nobody asked for, or did not give back
# what it took. The scenario itself is tests/e2e/scenarios/soak.sh, which the end-to-end
# tests run for one minute.
#
#   scripts/soak.sh [seconds]
#
# Expects a Windows build (cmake --preset windows && cmake --build --preset windows). The
# files it runs come from build/windows unless VELLUMRY_EXE and E2E_DRIVER name others. It
# starts its own Xvfb and Wine server with the prefix build/windows/soak-prefix (made once)
# and stops them again; logs and the figures over time go to build/windows/soak-run, the
# novels into the prefix. E2E_PREFIX, E2E_RUN_DIR and E2E_ARTIFACTS may name other folders.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$repo/build/windows
seconds=${1:-600}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: scripts/soak.sh [seconds]" >&2; exit 2; }

export VELLUMRY_EXE=${VELLUMRY_EXE:-$build/Vellumry.exe}
export E2E_DRIVER=${E2E_DRIVER:-$build/tests/e2e/vellumry_driver.exe}
export E2E_PREFIX=${E2E_PREFIX:-$build/soak-prefix} E2E_RUN_DIR=${E2E_RUN_DIR:-$build/soak-run}
export E2E_ARTIFACTS=${E2E_ARTIFACTS:-$build/soak-artifacts}
for file in "$VELLUMRY_EXE" "$E2E_DRIVER"; do
    [[ -f "$file" ]] || { echo "soak: $file is not built" >&2; exit 1; }
done

bash "$repo/scripts/wine_env.sh" setup || exit 1
trap 'bash "$repo/scripts/wine_env.sh" cleanup >/dev/null' EXIT
bash "$repo/tests/e2e/scenarios/soak.sh" "$seconds"
