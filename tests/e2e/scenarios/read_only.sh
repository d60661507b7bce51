#!/usr/bin/env bash
# The read-only switch with real key presses: typing works, "只读" is checked, typing is
# refused; the choice is saved as "真" and comes back checked at the next start, where typing
# is still refused until "只读" is chosen again ("假").
source "$(dirname "$0")/settings_lib.sh"

readonly kReadOnlyOn="checked enabled" kReadOnlyOff="unchecked enabled"
readonly kKeyA=0x41 kKeyB=0x42

scenario_begin read_only
start_program
require_main_window
check "只读 unchecked at first" "$kReadOnlyOff" "$(read_only_item)"
drive key "$kKeyA" >/dev/null
check "a typed a reaches the editor" a "$(drive editor-text)"

drive choose-menu 功能/只读 >/dev/null
wait_for read_only_is checked
check "只读 is checked" "$kReadOnlyOn" "$(read_only_item)"
check "settings: 只读 is 真" 真 "$(setting_value 功能 只读)"
drive key "$kKeyB" >/dev/null
drive key "$kKeyA" >/dev/null
check "typing b and a changes nothing" a "$(drive editor-text)"

drive press-escape >/dev/null
require_box_saying "closing asks about the typed text" "文字已经改变,想保存文件吗?"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"

start_program
require_main_window
check "at the next start 只读 is checked" "$kReadOnlyOn" "$(read_only_item)"
drive key "$kKeyB" >/dev/null
check "and typing b is refused" "" "$(drive editor-text)"

drive choose-menu 功能/只读 >/dev/null
wait_for read_only_is unchecked
check "只读 again: unchecked" "$kReadOnlyOff" "$(read_only_item)"
check "settings: 只读 is 假" 假 "$(setting_value 功能 只读)"
drive key "$kKeyB" >/dev/null
check "typing works again" b "$(drive editor-text)"

drive press-escape >/dev/null
require_box_saying "closing asks about the typed text" "文字已经改变,想保存文件吗?"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"
scenario_end
