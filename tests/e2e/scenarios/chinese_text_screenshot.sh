#!/usr/bin/env bash
# What a reader sees of a Chinese novel: a long line wrapped at the editor's width, every
# character drawn (none left blank for want of a glyph), and the selection drawn in the
# highlight colour while the editor has the focus, hidden while the find window has it and
# back when the main window is active again. The pictures are saved for a person to look at.
source "$(dirname "$0")/chinese_text_lib.sh"

# Bytes: "第一章" 0-5, the long line from 14; the selection 26-66 goes on past the end of
# the line's first row (60).
readonly kText='第一章　风起\r\n　　一个人走在路上，天色已晚，远处的山峦在暮色中显得格外沉静。他停下脚步，回头望了一眼来时的路。\r\nabc中文def'
readonly kSelected=(30 50 62) kUnselected=(20 68)

window_shot() {
    drive finish-painting >/dev/null
    read -r window_left window_top width height <<<"$(drive window-rect)"
    import -display "$DISPLAY" -window root -crop "${width}x${height}+${window_left}+${window_top}" +repage "$1"
}

# The picture's pixels in the cell of the character at a byte offset, as "x y w h".
cell_of() {
    local x y next_x
    read -r x y <<<"$(drive editor-point "$1")"
    read -r next_x _ <<<"$(drive editor-point $(($1 + 2)))"
    echo "$((x - window_left)) $((y - window_top)) $((next_x - x)) $row_height"
}

# The darkest pixel of a cell (0 black to 1 white) and the colour of its top-left pixel,
# which no glyph reaches.
cell_darkest() {
    read -r x y w h <<<"$(cell_of "$2")"
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage -colorspace gray -format "%[fx:minima]" info:
}
cell_corner() {
    read -r x y _ _ <<<"$(cell_of "$2")"
    convert "$1" -format "%[hex:u.p{$x,$y}]" info:
}

check_selection_drawn() {
    local shot=$1 shown=$2 offset
    for offset in "${kSelected[@]}"; do
        if [[ "$shown" == yes ]]; then
            check_not_white "the selected byte $offset is drawn highlighted" "$(cell_corner "$shot" "$offset")"
        else
            check "the selected byte $offset is drawn on white" FFFFFF "$(cell_corner "$shot" "$offset")"
        fi
    done
    for offset in "${kUnselected[@]}"; do
        check "the unselected byte $offset is drawn on white" FFFFFF "$(cell_corner "$shot" "$offset")"
    done
}

check_not_white() {
    if [[ "$2" != FFFFFF && -n "$2" ]]; then pass "$1 ($2)"; else fail "$1" "colour: ${2:-none}"; fi
}

scenario_begin chinese_text_screenshot
start_program
require_main_window
drive editor-set-text "$kText" >/dev/null
drive editor-select 26 66 >/dev/null
read -r _ first_y <<<"$(drive editor-point 0)"
read -r _ second_y <<<"$(drive editor-point 14)"
row_height=$((second_y - first_y))

rows=$(field count "$(drive editor-lines)")
if ((rows > 3)); then pass "the long line wraps: $rows rows for 3 lines"; else fail "the long line wraps" "$rows rows"; fi

shot=$E2E_ARTIFACTS/chinese-text.png
window_shot "$shot"
for offset in 0 2 4; do
    darkest=$(cell_darkest "$shot" $offset)
    if awk "BEGIN { exit !($darkest < 0.5) }"; then
        pass "the character at byte $offset of 第一章 is drawn (darkest pixel $darkest)"
    else
        fail "the character at byte $offset of 第一章 is drawn" "darkest pixel $darkest: blank"
    fi
done
check_selection_drawn "$shot" yes

drive choose-menu 功能/查找文本 >/dev/null
check "the find window takes the focus from the main window" background "$(settled background foreground)"
unfocused=$E2E_ARTIFACTS/chinese-text-unfocused.png
window_shot "$unfocused"
check_selection_drawn "$unfocused" no

# Shift alone: the driver brings the main window forward to press it, and types nothing.
drive key 0x10 >/dev/null
check "the main window is active again" foreground "$(settled foreground foreground)"
refocused=$E2E_ARTIFACTS/chinese-text-refocused.png
window_shot "$refocused"
check_selection_drawn "$refocused" yes
echo "screenshots: $shot $unfocused $refocused"

end_program_with_escape
scenario_end
