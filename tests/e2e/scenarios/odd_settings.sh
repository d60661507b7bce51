#!/usr/bin/env bash
# Settings files nobody would write by hand: 64 KiB of binary garbage, 10 MB of bookmarks
# with the read-only choice at the very end, and 10,000 sections with it in the middle. The
# program starts with each without a word, reads the choice through all of it, and writes
# 只读 when it is switched: every other byte stays as it was, and the next start reads the
# new value back. How long each start and each switch took is printed.
# shellcheck disable=SC2317 # the table's writers are called by name
source "$(dirname "$0")/settings_lib.sh"

# Each case: its name, the function that writes the file, and the state of 只读 it holds.
readonly kCases=(
    "garbage binary_garbage unchecked"
    "10MB ten_megabytes checked"
    "10000-sections ten_thousand_sections checked"
)

# The same bytes on every run: a small generator, not /dev/urandom.
binary_garbage() {
    LC_ALL=C awk 'BEGIN { srand(8); for (i = 0; i < 65536; ++i) printf "%c", int(rand() * 256) }'
}

ten_megabytes() {
    bookmark_settings 270000 真
}

ten_thousand_sections() {
    awk 'BEGIN { for (i = 0; i < 10000; ++i) {
                     printf "[章节%d]\n页=%d\n", i, i * 3
                     if (i == 5000) printf "[功能]\n只读=真\n" } }' | gbk_lines
}

# Where the file differs from what it must be after 只读 switched ("" when nowhere): the
# value replaced in place; or, when the file had none, every byte kept and a new section at
# the end, its lines ended as the file's first line is (a garbage file may have CR or LF).
switched_file_difference() {
    local original=$1 written=$2 initially=$3 on off size
    on=$(printf '只读=真' | iconv -f UTF-8 -t GBK)
    off=$(printf '只读=假' | iconv -f UTF-8 -t GBK)
    if [[ $initially == checked ]]; then
        cmp <(LC_ALL=C sed "s/^$on\r\$/$off\r/" "$original") "$written" 2>&1
        return
    fi
    size=$(stat -c %s "$original")
    cmp -n "$size" "$original" "$written" 2>&1
    tail -c +$((size + 1)) "$written" | tr -d '\r\n' | iconv -f GBK -t UTF-8 |
        grep -vxF '[功能]只读=真' | sed 's/^/added: /'
}

milliseconds() {
    date +%s%3N
}

# Starts the program and leaves in `took` how long it took until the main window showed.
start_and_time() {
    local began
    began=$(milliseconds)
    start_program
    require_main_window >/dev/null
    took=$(($(milliseconds) - began))
}

scenario_begin odd_settings
settings=$scenario_dir/$kSettingsFile
for case in "${kCases[@]}"; do
    read -r name writer initially <<<"$case"
    "$writer" >"$settings"
    cp "$settings" "$E2E_RUN_DIR/odd_settings.original"

    start_and_time
    echo "figure  $name ($(stat -c %s "$settings") bytes): window shown after $took ms"
    check "$name: only the main window shows" "" "$(drive message-boxes)"
    check "$name: 只读 is read through the file: $initially" "$initially" "$(read_only_state)"

    switched=$([[ $initially == checked ]] && echo unchecked || echo checked)
    began=$(milliseconds)
    drive choose-menu 功能/只读 >/dev/null
    wait_for read_only_is "$switched"
    echo "figure  $name: 只读 switched and the file written within $(($(milliseconds) - began)) ms (driver round trips included)"
    drive press-escape >/dev/null
    wait_program_exit
    check "$name: Escape ends the program, exit code 0" 0 "$program_exit"

    check "$name: only 只读 changed in the file" "" \
        "$(switched_file_difference "$E2E_RUN_DIR/odd_settings.original" "$settings" "$initially")"
    start_and_time
    check "$name: the next start reads it back" "$switched" "$(read_only_state)"
    drive press-escape >/dev/null
    wait_program_exit
    check "$name: and ends with exit code 0" 0 "$program_exit"
done
scenario_end
