#!/usr/bin/env bash
# Picking up the last reading: a book dropped on the editor, read to some place, and Yes
# when closing asks whether to keep the position. At the next start the program asks to
# open the book again (title 提示, Yes and No, question icon, the main window still usable),
# loads it and sets the caption, then asks to jump to the position and puts the caret there.
source "$(dirname "$0")/reading_aids_lib.sh"

readonly kBookName=旧书.txt
readonly kBookCaption="旧书.txt - 记事本"
readonly kReadingPlace=123

caption_is() {
    [[ "$(drive caption)" == "$1" ]]
}

selection_is() {
    [[ "$(drive editor-sel)" == "$1" ]]
}

scenario_begin restore_last_reading
book=$(
    for i in $(seq -w 1 30); do echo "Chapter line $i: where was I when the lamp went out?"; done |
        write_lines_document "$kBookName"
)

# First run: drop, read, keep the position.
start_program
require_main_window
drive drop-files "$book" >/dev/null
wait_for editor_text_is "$(escaped_document "$kBookName")"
check "the dropped book is in the editor" "$(escaped_document "$kBookName")" "$(drive editor-text)"
wait_for caption_is "$kBookCaption"
check "the caption names the book" "$kBookCaption" "$(drive caption)"
check "the drop remembers the book's path" "$book" "$(setting_value 小说 路径)"
check "the reader stops at $kReadingPlace" "$kReadingPlace $kReadingPlace" \
    "$(drive editor-select "$kReadingPlace" "$kReadingPlace")"
drive press-escape >/dev/null
require_box_saying "closing asks whether to keep the reading position" "$kKeepPositionPrompt"
drive answer-box yes >/dev/null
wait_program_exit
check "Yes, and the program ends with exit code 0" 0 "$program_exit"
check "the position is remembered" "$kReadingPlace" "$(setting_value 选择 选项)"

# Second run: both questions, Yes to each.
start_program
require_main_window
require_box_saying "the next start asks to open the book again" "$kOpenPrompt"
check "titled 提示" 提示 "$(field title "$boxes")"
check "buttons Yes, No" "6 7" "$(button_ids "$boxes")"
check "question icon" question "$(field icon "$boxes")"
check "no owner window" no "$(field owner "$boxes")"
check "system-modal (on top of every window)" yes "$(field topmost "$boxes")"
check_lacks "the main window stays usable while it is open" WS_DISABLED "$(drive style)"
drive answer-box yes >/dev/null
require_box_saying "Yes loads the book and asks about the position" "$kPositionPrompt"
check "titled 提示" 提示 "$(field title "$boxes")"
check "buttons Yes, No" "6 7" "$(button_ids "$boxes")"
check "no icon" none "$(field icon "$boxes")"
check "the book is loaded before the position question" "$(escaped_document "$kBookName")" \
    "$(drive editor-text)"
wait_for caption_is "$kBookCaption"
check "the caption names the book again" "$kBookCaption" "$(drive caption)"
answer_box yes "Yes closes the question"
wait_for selection_is "$kReadingPlace $kReadingPlace"
check "the caret is back at the reading position" "$kReadingPlace $kReadingPlace" \
    "$(drive editor-sel)"

# The reopened book counts as unchanged: only the position question comes.
drive press-escape >/dev/null
require_box_saying "closing asks only about the position" "$kKeepPositionPrompt"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"
check "the remembered position is kept" "$kReadingPlace" "$(setting_value 选择 选项)"
scenario_end
