#!/usr/bin/env bash
# Runs the comparison of our INI engine with the platform's profile functions in the Wine
# prefix of the end-to-end run, under its Chinese code page.
#   ini_compare.sh <ini_compare.exe>
set -u
source "$(dirname "$0")/../../../scripts/wine_env.sh"
wine_env_load

# Through a file, never a pipe (see wine_env.sh).
out=$E2E_RUN_DIR/ini_compare.out
wine "$1" >"$out" 2>>"$E2E_RUN_DIR/ini_compare.log"
status=$?
cat "$out"
exit $status
