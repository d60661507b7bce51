#!/usr/bin/env bash
# Typing into the empty editor and pressing Escape: the program asks whether to save the
# changed text, in a system-modal box without owner or title (so the system's "信息：" shows),
# with Yes, No and Cancel and the exclamation icon. Cancel keeps the window and the text;
# at the next Escape, No ends the program normally.
source "$(dirname "$0")/scenario_lib.sh"

readonly kPrompt="文字已经改变,想保存文件吗?"

scenario_begin changed_text_prompt
start_program
require_main_window

for key in 0x41 0x42 0x43; do drive key "$key" >/dev/null; done
check "typed letters reach the editor" abc "$(drive editor-text)"
check "the caret follows the typed letters" "3 3" "$(drive editor-sel)"

drive press-escape >/dev/null
require_boxes "Escape with changed text shows one box" 1
check "the box has no title of its own" "信息：" "$(field title "$boxes")"
check "the box asks to save the changed text" "$kPrompt" "$(field text "$boxes")"
check "buttons Yes, No, Cancel" "6 7 2" "$(button_ids "$boxes")"
check "exclamation icon" exclamation "$(field icon "$boxes")"
check "the box has no owner window" no "$(field owner "$boxes")"
check "the box is system-modal (on top of every window)" yes "$(field topmost "$boxes")"

drive answer-box cancel >/dev/null
require_boxes "Cancel closes the box" 0
check "Cancel keeps the window open" visible "$(drive is-visible)"
check "Cancel keeps the text" abc "$(drive editor-text)"

drive press-escape >/dev/null
require_boxes "the next Escape asks again" 1
check "the same question" "$kPrompt" "$(field text "$boxes")"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"
scenario_end
