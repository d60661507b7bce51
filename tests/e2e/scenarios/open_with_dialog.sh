#!/usr/bin/env bash
# A reader opens a novel through 打开 (Ctrl+O): the open dialog takes its path, the editor
# shows its text and the caption its name, and the settings file is left alone (only a drop
# is remembered). Opening again from the menu, the dialog offers the same file; cancelling
# it keeps the novel on screen.
source "$(dirname "$0")/documents_lib.sh"

readonly kNovel=长夜.txt
readonly kNovelText=$'第一回\r\n夜很长，灯还亮着。\r\n'
readonly kSettings=$'[功能]\r\n只读=假\r\n'
readonly kCtrlO=0x4F

scenario_begin open_with_dialog
write_document "$kNovel" "$kNovelText"
write_document 配置文件.ini "$kSettings"
start_program
require_main_window

drive key "$kCtrlO" ctrl >/dev/null
require_file_dialog "Ctrl+O shows a file dialog"
check "it is the open dialog" "打开" "$(field title "$dialog")"
accept_file_dialog "the open dialog accepts the novel's path" "$(windows_path "$kNovel")"
wait_caption "the caption names the opened file" "$kNovel - 记事本"
check "the editor shows the novel's text" "$(file_text "$kNovel")" "$(drive editor-text)"
check_file_bytes "the settings file is not written" 配置文件.ini "$kSettings"

drive choose-menu 文件/打开 >/dev/null
require_file_dialog "打开 in the menu shows the file dialog again"
check "it offers the file opened last" "$kNovel" "$(field file-name "$dialog")"
check "cancelling it" cancelled "$(drive cancel-file-dialog)"
check "the caption still names the novel" "$kNovel - 记事本" "$(drive caption)"
check "the editor still shows the novel" "$(file_text "$kNovel")" "$(drive editor-text)"
check "no message box" "" "$(drive message-boxes)"

drive press-escape >/dev/null
require_boxes "closing asks whether to keep the reading position" 1
drive answer-box no >/dev/null
wait_program_exit
check "the window closes, exit code 0" 0 "$program_exit"
check_file_bytes "the settings file is still not written" 配置文件.ini "$kSettings"
scenario_end
