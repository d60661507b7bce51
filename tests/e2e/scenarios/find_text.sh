#!/usr/bin/env bash
# Finding text: "查找文本" opens one find window owned by the main window, and choosing it
# again only brings that window forward. "bc" in "abcabc" selects bytes 1 to 3 and gives the
# editor the focus; a second click selects the same first occurrence; a search that finds
# nothing leaves the selection where it was and shows no message.
source "$(dirname "$0")/reading_aids_lib.sh"

scenario_begin find_text
start_program
require_main_window
drive type-lines abcabc >/dev/null
check "abcabc is typed into the editor" abcabc "$(drive editor-text)"

drive choose-menu 功能/查找文本 >/dev/null
wait_for find_window_count_is 1
finder=$(drive find-windows)
check "查找文本 opens one find window" 1 "$(field count "$finder")"
check "owned by the main window" main "$(field owner "$finder")"

drive activate >/dev/null
drive choose-menu 功能/查找文本 >/dev/null
wait_for find_window_is_active
check "choosing it again brings the find window forward" yes "$(field active "$(drive find-windows)")"
check "and opens no second one" 1 "$(field count "$(drive find-windows)")"

check "the search box takes bc" bc "$(field search "$(drive find-type bc)")"
drive find-click >/dev/null
check "bc is found at byte 1, two bytes selected" "1 3" "$(drive editor-sel)"
check "the editor takes the focus: the main window is in front" foreground "$(drive foreground)"
check "the find window stays open" 1 "$(field count "$(drive find-windows)")"

drive editor-select 5 5 >/dev/null
drive find-click >/dev/null
check "a second click selects the same first occurrence" "1 3" "$(drive editor-sel)"

drive find-type xyz >/dev/null
drive find-click >/dev/null
check "xyz is not found: the selection stays" "1 3" "$(drive editor-sel)"
check "and no message is shown" "" "$(drive message-boxes)"

drive press-escape >/dev/null
require_box_saying "closing asks about the changed text" "文字已经改变,想保存文件吗?"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"
scenario_end
