#!/usr/bin/env bash
# The program file's properties as the shell shows them: version 1.0.0.0, the name Vellumry
# as description, product name and comments, in one Chinese (PRC) Unicode string table.
source "$(dirname "$0")/scenario_lib.sh"

expected_version=$(
    cat <<'VERSION'
fixed-file-version 1.0.0.0
fixed-product-version 1.0.0.0
translation 0804 04B0
FileVersion 1.0.0.0
ProductVersion 1.0.0.0
FileDescription Vellumry
ProductName Vellumry
Comments Vellumry
VERSION
)

scenario_begin version_block
check_lines "version block" "$expected_version" "$(drive version "$VELLUMRY_E2E_PROGRAM")"
scenario_end
