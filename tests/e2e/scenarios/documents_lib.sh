# shellcheck shell=bash
# Steps shared by the scenarios about documents: text files written in GBK beside the program,
# their bytes read back, the open and save dialogs filled in, the prompts about saving read
# and answered, and another program that holds a file open without sharing it.
source "$(dirname "${BASH_SOURCE[0]}")/scenario_lib.sh"

readonly kChangedTextPrompt="文字已经改变,想保存文件吗?"
readonly kCaptionTimeoutMs=5000
readonly kDialogTimeoutMs=15000
readonly kHoldTimeoutSeconds=5

holder_pid=

# The Windows path of a file in the scenario's folder.
windows_path() {
    echo "$scenario_windows_dir\\$1"
}

# A file in the scenario's folder holding the UTF-8 text in GBK, byte for byte (write CR LF
# line breaks as $'\r\n').
write_document() {
    printf '%s' "$2" | iconv -f UTF-8 -t GBK >"$scenario_dir/$1"
}

# A text as the driver prints the editor's: CR, LF and tab shown as \r, \n and \t.
escaped() {
    printf '%s' "$1" | sed -z -e 's/\r/\\r/g' -e 's/\n/\\n/g' -e 's/\t/\\t/g'
}

# A file's GBK text, shown like the editor's text.
file_text() {
    iconv -f GBK -t UTF-8 <"$scenario_dir/$1" | sed -z -e 's/\r/\\r/g' -e 's/\n/\\n/g' -e 's/\t/\\t/g'
}

# The checksum of the editor's bytes and of a file's, for texts too long to show.
editor_md5() {
    printf '%s' "$(drive editor-hex)" | md5sum
}

file_md5() {
    hex_bytes <"$1" | md5sum
}

# Whether the file in the scenario's folder holds exactly the GBK bytes of the UTF-8 text.
file_holds() {
    [[ "$(hex_bytes <"$scenario_dir/$1")" == "$(printf '%s' "$2" | iconv -f UTF-8 -t GBK | hex_bytes)" ]]
}

# The file holds exactly the GBK bytes of the UTF-8 text (or is absent when the text is
# "absent").
check_file_bytes() {
    local what=$1 file=$scenario_dir/$2 expected=$3 actual
    if [[ ! -e "$file" ]]; then
        actual=absent
    else
        actual=$(hex_bytes <"$file")
        [[ "$expected" == absent ]] || expected=$(printf '%s' "$expected" | iconv -f UTF-8 -t GBK | hex_bytes)
    fi
    check "$what" "$expected" "$actual"
}

# Every file in the scenario's folder besides the program, sorted, on one line.
folder_files() {
    (
        shopt -s dotglob nullglob
        cd "$scenario_dir" || exit
        for name in *; do [[ "$name" == Vellumry.exe ]] || echo "$name"; done |
            LC_ALL=C sort | paste -s -d ' '
    )
}

wait_caption() {
    local caption
    if drive wait-window "$2" "$kCaptionTimeoutMs" >/dev/null; then
        pass "$1"
    else
        caption=$(drive caption)
        fail "$1" "expected: $2" "actual:   $caption"
    fi
}

# The four things a user sees on a prompt, checked against the one box in `boxes`.
check_box() {
    local what=$1
    check "$what: title" "$2" "$(field title "$boxes")"
    check "$what: text" "$3" "$(field text "$boxes")"
    check "$what: buttons (ids)" "$4" "$(button_ids "$boxes")"
    check "$what: icon" "$5" "$(field icon "$boxes")"
}

# Waits for the open or save dialog and leaves its description in `dialog`.
require_file_dialog() {
    if ! dialog=$(drive wait-file-dialog "$kDialogTimeoutMs"); then
        fail "$1" "no file dialog showed"
        scenario_end
    fi
    pass "$1"
}

# Types the Windows path into the shown file dialog and accepts it, answering Yes when the
# dialog asks whether to replace the file; leaves the driver's report in `accepted`.
accept_file_dialog() {
    accepted=$(drive fill-file-dialog "$2" yes)
    check "$1" accepted "$(tail -n 1 <<<"$accepted")"
}

save_as() {
    drive choose-menu 文件/另存为 >/dev/null
    require_file_dialog "另存为 shows the save dialog"
    accept_file_dialog "the save dialog accepts $1" "$1"
}

# Another program opens the file and keeps it open until stop_holding, sharing nothing, or
# only reading when the second argument is "read".
start_holding() {
    local out=$E2E_RUN_DIR/$scenario_name.holder tries=$((kHoldTimeoutSeconds * 20))
    wine "$E2E_DRIVER" hold-file "$1" $((kHoldTimeoutSeconds * 12000)) "${2:-none}" >"$out" 2>&1 &
    holder_pid=$!
    trap documents_abandon EXIT
    until grep -q '^held ' "$out"; do
        if ! wine_env_running "$holder_pid" || ((tries-- <= 0)); then
            fail "another program holds $1 open" "$(cat "$out")"
            scenario_end
        fi
        sleep 0.05
    done
    pass "another program holds $1 open, sharing ${2:-nothing}"
}

stop_holding() {
    local tries=$((kHoldTimeoutSeconds * 20)) status
    drive release-file >/dev/null
    while wine_env_running "$holder_pid" && ((tries-- > 0)); do sleep 0.05; done
    wait "$holder_pid"
    status=$?
    check "the other program lets the file go" 0 "$status"
    holder_pid=
}

# Closes the window while a document is open and answers No to keeping the reading
# position: the program ends with exit code 0.
close_forgetting_position() {
    drive press-escape >/dev/null
    require_boxes "closing asks whether to keep the reading position" 1
    check "the question" "$kKeepPositionPrompt" "$(field text "$boxes")"
    drive answer-box no >/dev/null
    wait_program_exit
    check "No, and the program ends with exit code 0" 0 "$program_exit"
}

documents_abandon() {
    if [[ -n "$holder_pid" ]] && wine_env_running "$holder_pid"; then
        kill -KILL "$holder_pid"
        wait "$holder_pid" 2>/dev/null
    fi
    scenario_abandon
}
