#!/usr/bin/env bash
# A user types a draft into the empty editor and closes the window. The program asks, in a
# box without a title of its own, whether to save the changed text; Yes shows the save dialog.
# Cancelling that dialog keeps the window open; the next time, the draft is saved under the
# chosen name with ".txt" added and the window closes without asking again.
source "$(dirname "$0")/documents_lib.sh"

scenario_begin close_saving_draft
start_program
require_main_window

drive type-lines "First draft" "second line" >/dev/null
draft=$'First draft\r\nsecond line'

drive press-escape >/dev/null
require_boxes "closing with changed text asks" 1
check_box "the changed-text prompt" "信息：" "$kChangedTextPrompt" "6 7 2" exclamation
drive answer-box yes >/dev/null
require_file_dialog "Yes shows the save dialog"
check "it is the save dialog" "另存为" "$(field title "$dialog")"
check "cancelling it" cancelled "$(drive cancel-file-dialog)"
check "the window stays open" visible "$(drive is-visible)"
check "the draft stays in the editor" "$(escaped "$draft")" "$(drive editor-text)"
check "nothing is written" "" "$(folder_files)"

drive press-escape >/dev/null
require_boxes "closing again asks again" 1
check "the same question" "$kChangedTextPrompt" "$(field text "$boxes")"
drive answer-box yes >/dev/null
require_file_dialog "Yes shows the save dialog again"
accept_file_dialog "the save dialog accepts the name draft" "$(windows_path draft)"
wait_program_exit
check "after saving, the window closes without asking again, exit code 0" 0 "$program_exit"
check_file_bytes "draft.txt holds the editor's bytes" draft.txt "$draft"
check "only draft.txt is written" draft.txt "$(folder_files)"
scenario_end
