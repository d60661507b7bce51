#!/usr/bin/env bash
# Chinese folder names nested until the paths are longer than 260 bytes, the old limit of a
# Windows path. The program itself lives in the deepest folder: a book there is dropped,
# changed and saved, saved again under a new name with 另存为, and its path and reading
# position are remembered in the settings file beside the program, which offers the book
# again at the next start.
source "$(dirname "$0")/reading_aids_lib.sh"
source "$(dirname "$0")/documents_lib.sh"

readonly kFolderName=第一层很长的中文文件夹名字
readonly kDepth=12
readonly kBook=旧书.txt
readonly kText=$'第一回\r\n风雪夜归人。\r\n'
readonly kPosition=7

scenario_begin long_paths
for ((level = 0; level < kDepth; ++level)); do
    scenario_dir+=/$kFolderName
    scenario_windows_dir+=\\$kFolderName
done
mkdir -p "$scenario_dir"
cp "$VELLUMRY_EXE" "$scenario_dir/Vellumry.exe"
export VELLUMRY_E2E_PROGRAM="$scenario_windows_dir\\Vellumry.exe"
printf '%s' "$kText" | iconv -f UTF-8 -t GBK >"$scenario_dir/$kBook"
book=$scenario_windows_dir\\$kBook
check "the book's path is longer than 260 bytes" yes "$( (($(printf '%s' "$book" | iconv -f UTF-8 -t GBK | wc -c) > 260)) && echo yes)"

start_program
require_main_window
drive drop-files "$book" >/dev/null
wait_caption "a dropped book opens" "$kBook - 记事本"
check "the editor shows its text" "$(escaped "$kText")" "$(drive editor-text)"
check "the settings file beside the program remembers its path" "$book" "$(setting_value 小说 路径)"

drive editor-select 0 0 >/dev/null
drive type-text 'X' >/dev/null
drive choose-menu 文件/保存 >/dev/null
wait_for file_holds "$kBook" "X$kText"
check_file_bytes "保存 writes the change" "$kBook" "X$kText"
save_as "$scenario_windows_dir\\副本"
wait_caption "另存为 names the copy in the caption" "副本.txt - 记事本"
check_file_bytes "the copy holds the text" 副本.txt "X$kText"
check "no message box, no temporary file" "副本.txt 旧书.txt 配置文件.ini" \
    "$(drive message-boxes)$(folder_files)"

drive drop-files "$book" >/dev/null
wait_caption "the book opens again" "$kBook - 记事本"
drive editor-select $kPosition $kPosition >/dev/null
drive press-escape >/dev/null
require_box_saying "closing asks whether to keep the reading position" "$kKeepPositionPrompt"
drive answer-box yes >/dev/null
wait_program_exit
check "Yes, and the program ends with exit code 0" 0 "$program_exit"
check "the position is remembered" "$kPosition" "$(setting_value 选择 选项)"

start_program
require_main_window
require_box_saying "the next start offers the book again" "$kOpenPrompt"
drive answer-box yes >/dev/null
require_box_saying "Yes opens it and asks to jump to the position" "$kPositionPrompt"
answer_box yes "Yes jumps there"
check "the book is back" "$(escaped "X$kText")" "$(drive editor-text)"
check "at the remembered position" "$kPosition $kPosition" "$(drive editor-sel)"
drive press-escape >/dev/null
require_box_saying "closing asks again" "$kKeepPositionPrompt"
drive answer-box no >/dev/null
wait_program_exit
check "No, and the program ends with exit code 0" 0 "$program_exit"
scenario_end
