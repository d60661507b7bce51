#!/usr/bin/env bash
# A user types two lines and saves them with 另存为 under a name without extension: the file
# gets ".txt" and holds exactly the editor's bytes, with CR LF where Enter was pressed, and
# the caption follows the new name. Names that already end in ".txt", in any letter case, are
# used as they are. Nothing but the saved files is left in the folder.
source "$(dirname "$0")/documents_lib.sh"

# Each case: the name typed into the save dialog, then the file that must appear.
readonly kCases=(
    "diary diary.txt"
    "a.txt a.txt"
    "Shout.TXT Shout.TXT"
)

scenario_begin save_as_typed_text
start_program
require_main_window

drive type-lines "Dear diary," "It rained all day." >/dev/null
typed=$'Dear diary,\r\nIt rained all day.'
check "Enter breaks the line with CR LF" "$(escaped "$typed")" "$(drive editor-text)"

saved=()
previous=
for case in "${kCases[@]}"; do
    read -r name file <<<"$case"
    drive choose-menu 文件/另存为 >/dev/null
    require_file_dialog "另存为 shows the save dialog for $name"
    check "it is the save dialog ($name)" "另存为" "$(field title "$dialog")"
    [[ -z "$previous" ]] ||
        check "it offers the name accepted last ($previous)" "$previous" "$(field file-name "$dialog")"
    accept_file_dialog "the save dialog accepts $name" "$(windows_path "$name")"
    wait_caption "the caption follows the saved file" "$file - 记事本"
    check_file_bytes "$file holds exactly the editor's bytes" "$file" "$typed"
    saved+=("$file")
    previous=$name
done
check "only the saved files are in the folder (no doubled extension, no temporary file)" \
    "$(printf '%s\n' "${saved[@]}" | LC_ALL=C sort | paste -s -d ' ')" "$(folder_files)"
check "the editor keeps the text" "$(escaped "$typed")" "$(drive editor-text)"

drive choose-menu 文件/退出 >/dev/null
wait_program_exit
check "退出 ends the program at once, exit code 0" 0 "$program_exit"
scenario_end
