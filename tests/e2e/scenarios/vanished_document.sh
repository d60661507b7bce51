#!/usr/bin/env bash
# The remembered book has been moved away. No to the open question: nothing more is asked
# and the settings stay. At the next start Yes: "文件已不存在！" (title 提示, OK only, no
# icon), both remembered keys are emptied and the position question does not follow. The
# start after that offers nothing at all.
source "$(dirname "$0")/reading_aids_lib.sh"

readonly kMissingMessage="文件已不存在！"
readonly kSavedPosition=40

scenario_begin vanished_document
gone="$scenario_windows_dir\\moved away.txt"
write_settings <<SETTINGS
[小说]
路径=$gone
[选择]
选项=$kSavedPosition
SETTINGS

start_program
require_main_window
require_box_saying "the start asks to open the remembered book" "$kOpenPrompt"
answer_box no "No closes the question"
check_no_box_for "after No nothing more is asked, not even the position (1 s)" 1000
check "the editor stays empty" "" "$(drive editor-text)"
check "the remembered path is kept" "$gone" "$(setting_value 小说 路径)"
check "the remembered position is kept" "$kSavedPosition" "$(setting_value 选择 选项)"
end_program_with_escape

start_program
require_main_window
require_box_saying "the next start asks again" "$kOpenPrompt"
drive answer-box yes >/dev/null
require_box_saying "Yes finds the book missing" "$kMissingMessage"
check "titled 提示" 提示 "$(field title "$boxes")"
check "OK only" 1 "$(button_ids "$boxes")"
check "no icon" none "$(field icon "$boxes")"
check "system-modal (on top of every window)" yes "$(field topmost "$boxes")"
check "the remembered path is emptied" "" "$(setting_value 小说 路径)"
check "the remembered position is emptied" "" "$(setting_value 选择 选项)"
if setting_present 小说 路径 && setting_present 选择 选项; then
    pass "both keys stay in the settings file, empty"
else
    fail "both keys stay in the settings file, empty" "$(iconv -f GBK -t UTF-8 "$scenario_dir/配置文件.ini")"
fi
answer_box ok "OK closes the message"
check_no_box_for "no position question follows (1 s)" 1000
check "the editor stays empty" "" "$(drive editor-text)"
end_program_with_escape

start_program
require_main_window
check_no_box_for "the start after that offers nothing (1 s)" 1000
end_program_with_escape
scenario_end
