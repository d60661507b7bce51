#!/usr/bin/env bash
# A reader drags a GBK novel with a Chinese name from the shell onto the editor: its text
# shows, the caption names the file followed by " - 记事本", and the settings file remembers
# its path. Then two novels dragged at once: the first of them opens, and the settings file
# keeps one path on one line. Closing after reading, without keeping the place, changes
# nothing more on disk.
source "$(dirname "$0")/documents_lib.sh"

readonly kNovel=三体.txt
readonly kNovelText=$'第一章 科学边界\r\n汪淼觉得，来找他的这四个人是一个奇怪的组合。\r\n'
readonly kOther=球状闪电.txt
readonly kOtherText=$'序章\r\n雷声在远方响起。\r\n'

scenario_begin drop_gbk_document
write_document "$kNovel" "$kNovelText"
write_document "$kOther" "$kOtherText"
start_program
require_main_window

dropped=$(drive drop-files "$(windows_path "$kNovel")")
check "the editor takes the dropped file as a copy" copy "$(field effect "$dropped")"
wait_caption "the caption names the dropped file" "$kNovel - 记事本"
check "the editor shows the novel's text" "$(file_text "$kNovel")" "$(drive editor-text)"
remembered=$'[小说]\r\n路径='"$(windows_path "$kNovel")"$'\r\n'
check_file_bytes "the settings file remembers the path (GBK, CR LF)" 配置文件.ini "$remembered"

dropped=$(drive drop-files "$(windows_path "$kOther")" "$(windows_path "$kNovel")")
check "two files dropped at once are taken" copy "$(field effect "$dropped")"
wait_caption "the caption names the first of them" "$kOther - 记事本"
check "the editor shows the first file's text" "$(file_text "$kOther")" "$(drive editor-text)"
remembered=$'[小说]\r\n路径='"$(windows_path "$kOther")"$'\r\n'
check_file_bytes "the settings file holds the first path alone" 配置文件.ini "$remembered"
check "no message box" "" "$(drive message-boxes)"

drive press-escape >/dev/null
require_boxes "closing asks whether to keep the reading position" 1
check "the question" "$kKeepPositionPrompt" "$(field text "$boxes")"
drive answer-box no >/dev/null
wait_program_exit
check "unchanged text: No closes the window, exit code 0" 0 "$program_exit"
check_file_bytes "the settings file is as the drop left it" 配置文件.ini "$remembered"
check_file_bytes "the dropped novel is untouched" "$kNovel" "$kNovelText"
scenario_end
