#!/usr/bin/env bash
# The mouse in Chinese text, through the X server as a user's mouse: a click puts the caret
# before the character clicked, a drag selects whole characters across a wrapped row, a
# double-click selects the words between two punctuation marks, the wheel scrolls without
# moving the caret, and a drag held below the editor scrolls on and selects as it goes.
source "$(dirname "$0")/chinese_text_lib.sh"

# Bytes: the long line starts at 14; "一个人走在路上" is 18-31 and "，" 32-33.
readonly kText='第一章　风起\r\n　　一个人走在路上，天色已晚，远处的山峦在暮色中显得格外沉静。他停下脚步，回头望了一眼来时的路。\r\nabc中文def'
readonly kLineBytes=26 kNovelLines=40
readonly kWheelRows=3

scenario_begin chinese_mouse_selection
start_program
require_main_window
drive editor-set-text "$kText" >/dev/null

mouse_to_offset 22
xdotool click 1
check "a click on 人 puts the caret before it" "22 22" "$(settled "22 22" editor-sel)"

# The end of the drag is on a lower row of the wrapped line.
read -r _ first_row_y <<<"$(offset_point 18)"
read -r _ end_y <<<"$(offset_point 70)"
((end_y > first_row_y)) || fail "byte 70 is on a lower row than byte 18" "y $end_y and $first_row_y"
mouse_to_offset 18
xdotool mousedown 1
mouse_to_offset 40
mouse_to_offset 70
xdotool mouseup 1
check "a drag from 一 to the next row selects bytes 18 to 70" "18 70" "$(settled "18 70" editor-sel)"

mouse_to_offset 24
xdotool click --repeat 2 --delay 80 1
check "a double-click on 个 selects 一个人走在路上, up to the comma" "18 32" "$(settled "18 32" editor-sel)"

novel=
for line in $(seq -w 1 $kNovelLines); do novel+="第${line}行，一个人走在路上。\\r\\n"; done
drive editor-set-text "$novel" >/dev/null
mouse_to_offset 0
xdotool click 1
settled "0 0" editor-sel >/dev/null
xdotool click 5
check "a wheel notch scrolls $kWheelRows rows" "$kWheelRows" \
    "$(settled_field first-visible "$kWheelRows" editor-lines)"
check "and leaves the caret where it was" "0 0" "$(drive editor-sel)"
xdotool click 4
settled_field first-visible 0 editor-lines >/dev/null

read -r _ editor_top _ editor_height <<<"$(drive editor-rect)"
read -r _ client_top _ _ <<<"$(drive client-rect)"
read -r x _ <<<"$(offset_point 0)"
mouse_to_offset 0
xdotool mousedown 1
xdotool mousemove "$x" $((client_top + editor_top + editor_height + 40))
sleep 1
xdotool mouseup 1
read -r start end <<<"$(drive editor-sel)"
first=$(field first-visible "$(drive editor-lines)")
check "the held drag keeps its start" 0 "$start"
if ((first > 0 && end > 12 * kLineBytes && end % kLineBytes == 0)); then
    pass "held below the editor, the drag scrolled to row $first and selected to the start of line $((end / kLineBytes + 1))"
else
    fail "held below the editor, the drag scrolls on and selects whole lines" "first visible row $first, selection end $end"
fi

end_program_with_escape
scenario_end
