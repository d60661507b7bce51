# shellcheck shell=bash
# Shared steps of the end-to-end scenarios: a fresh folder per scenario inside the Wine
# prefix (so each has its own settings file), the program started from it, the driver, and
# checks that report every mismatch before the scenario fails.
#
# Expects a running environment (scripts/wine_env.sh setup) and in the environment
# E2E_PREFIX, E2E_RUN_DIR, E2E_DRIVER, E2E_ARTIFACTS and VELLUMRY_EXE (the built program).

# Sourced once, however many of the other libraries a scenario brings in.
[[ -z "${scenario_lib_loaded:-}" ]] || return 0
scenario_lib_loaded=1

set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine_env.sh"

readonly kMainCaption="把文档拖入窗口即可 By Corvanet"
readonly kWindowTimeoutMs=15000
readonly kExitTimeoutSeconds=5
readonly kReactionTimeoutSeconds=5
# Asked at every close while a document is open.
# shellcheck disable=SC2034 # for the scenarios that source this file
readonly kKeepPositionPrompt="是否保存此次浏览的位置？"

scenario_failures=0
program_pid=

scenario_begin() {
    wine_env_load
    scenario_name=$1
    scenario_dir=$WINEPREFIX/drive_c/e2e/$scenario_name
    scenario_log=$E2E_RUN_DIR/$scenario_name.log
    scenario_windows_dir="C:\\e2e\\$scenario_name"
    rm -rf "$scenario_dir"
    mkdir -p "$scenario_dir" "$E2E_ARTIFACTS"
    cp "$VELLUMRY_EXE" "$scenario_dir/Vellumry.exe"
    export VELLUMRY_E2E_PROGRAM="$scenario_windows_dir\\Vellumry.exe"
    : >"$scenario_log"
    trap scenario_abandon EXIT
}

scenario_end() {
    if ((scenario_failures > 0)); then
        echo "$scenario_name: $scenario_failures check(s) failed (Wine's output: $scenario_log)"
        exit 1
    fi
    echo "$scenario_name: all checks passed"
    exit 0
}

# Whatever ended the scenario, no program of it outlives it.
scenario_abandon() {
    if [[ -n "$program_pid" ]] && wine_env_running "$program_pid"; then
        echo "(the program was still running and has been killed)"
        kill -KILL "$program_pid"
        wait "$program_pid" 2>/dev/null
    fi
}

# The settings file beside the program, from UTF-8 lines on stdin: GBK bytes, CR LF line ends.
write_settings() {
    sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$scenario_dir/配置文件.ini"
}

start_program() {
    (cd "$scenario_dir" && exec wine Vellumry.exe) >>"$scenario_log" 2>&1 &
    program_pid=$!
}

# One driver subcommand. Its output goes through a file, never a pipe (see wine_env.sh);
# its diagnostics go to stderr, also Wine's when a subcommand answered nothing at all.
drive() {
    local out=$E2E_RUN_DIR/driver.out err=$E2E_RUN_DIR/driver.err rc
    wine "$E2E_DRIVER" "$@" >"$out" 2>"$err"
    rc=$?
    cat "$out"
    [[ $rc -eq 0 && -s "$out" ]] || sed "s/^/driver $1 (exit code $rc): /" "$err" >&2
    return $rc
}

# Repeats the command until it succeeds, for at most kReactionTimeoutSeconds.
wait_for() {
    local tries=$((kReactionTimeoutSeconds * 10))
    until "$@"; do
        ((tries-- > 0)) || return 1
        sleep 0.1
    done
}

# Whether the command answers exactly the text.
answer_is() {
    local expected=$1
    shift
    [[ "$("$@")" == "$expected" ]]
}

# Input reaches the program after the command that sent it has ended: the command is asked
# again until it answers what is expected or time is up, and its answer is printed.
settled_answer() {
    local expected=$1
    shift
    wait_for answer_is "$expected" "$@"
    "$@"
}

# Bytes on stdin as lower-case hexadecimal, two digits a byte, as `drive editor-hex` prints them.
hex_bytes() {
    od -An -v -tx1 | tr -d ' \n'
}

# The GBK bytes of a UTF-8 text whose escapes (\r, \n, \x..) printf '%b' resolves.
gbk() {
    printf '%b' "$1" | iconv -f UTF-8 -t GBK
}

gbk_length() {
    gbk "$1" | wc -c
}

# Waits for the main window; the scenario cannot go on without it.
require_main_window() {
    if ! drive wait-window "$kMainCaption" "$kWindowTimeoutMs" >/dev/null; then
        fail "the main window shows with the caption \"$kMainCaption\""
        scenario_end
    fi
    pass "the main window shows with the caption \"$kMainCaption\""
}

# Sets program_exit to the program's exit code, or to "running" after the timeout.
wait_program_exit() {
    local tries=$((kExitTimeoutSeconds * 20))
    while wine_env_running "$program_pid" && ((tries-- > 0)); do sleep 0.05; done
    if wine_env_running "$program_pid"; then
        program_exit=running
        return
    fi
    wait "$program_pid"
    program_exit=$?
    program_pid=
}

end_program_with_escape() {
    drive press-escape >/dev/null
    wait_program_exit
    check "Escape closes the window and the program exits with code 0" 0 "$program_exit"
}

# Waits until the program shows the given number of message boxes and leaves their
# description in `boxes`. The scenario cannot go on when they do not come or the program ends.
require_boxes() {
    local what=$1 count=$2 tries=$((kExitTimeoutSeconds * 5))
    boxes=
    while wine_env_running "$program_pid"; do
        boxes=$(drive message-boxes 2>/dev/null)
        if (($(grep -c '^box ' <<<"$boxes") == count)); then
            pass "$what"
            return
        fi
        ((tries-- > 0)) || break
        sleep 0.1
    done
    if wine_env_running "$program_pid"; then
        fail "$what" "the program shows: ${boxes:-no message box}"
    else
        wait_program_exit
        fail "$what" "the program has ended (exit code $program_exit)"
    fi
    scenario_end
}

# The ids of the buttons in a message-boxes description, in their order on the box.
button_ids() {
    sed -n 's/^button \([0-9]*\) .*/\1/p' <<<"$1" | paste -s -d ' '
}

# The value of the "key value" line of a driver's output.
field() {
    sed -n "s/^$1 //p" <<<"$2" | head -n 1
}

pass() { echo "ok    $1"; }

fail() {
    echo "FAIL  $1"
    shift
    (($# == 0)) || printf '      %s\n' "$@"
    ((++scenario_failures))
}

check() {
    if [[ "$2" == "$3" ]]; then pass "$1"; else fail "$1" "expected: $2" "actual:   $3"; fi
}

check_near() {
    local what=$1 expected=$2 actual=$3 tolerance=$4
    if [[ "$actual" =~ ^-?[0-9]+$ ]] && ((actual - expected <= tolerance && expected - actual <= tolerance)); then
        pass "$what"
    else
        fail "$what" "expected: $expected (within $tolerance)" "actual:   $actual"
    fi
}

# The word is (or is not) one of the space-separated words of the text.
check_has() {
    if [[ " $3 " == *" $2 "* ]]; then pass "$1"; else fail "$1" "expected $2 in: $3"; fi
}

check_lacks() {
    if [[ " $3 " != *" $2 "* ]]; then pass "$1"; else fail "$1" "expected no $2 in: $3"; fi
}

check_lines() {
    local what=$1 expected=$2 actual=$3
    if [[ "$expected" == "$actual" ]]; then
        pass "$what"
    else
        fail "$what" "difference (- expected, + actual):"
        diff <(echo "$expected") <(echo "$actual") | sed -n -e 's/^< /      - /p' -e 's/^> /      + /p'
    fi
}
