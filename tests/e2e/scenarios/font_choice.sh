#!/usr/bin/env bash
# Choosing the font: Tahoma, bold, 14 points and red in the font dialog. The editor shows it
# at once and the settings file remembers it. At the next start the editor shows it again,
# and a cancelled dialog changes neither the editor nor the settings file.
source "$(dirname "$0")/reading_aids_lib.sh"

readonly kFace=Tahoma
readonly kPoints=14
readonly kHeight=-19 # 14 points at 96 dpi
readonly kRed=0x0000FF

editor_face_is() {
    [[ "$(field face "$(drive editor-font)")" == "$1" ]]
}

check_editor_font() {
    local font colours
    font=$(drive editor-font)
    check "$1: face $kFace" "$kFace" "$(field face "$font")"
    check "$1: the face actually drawn" "$kFace" "$(field realised-face "$font")"
    check "$1: height $kHeight ($kPoints points)" "$kHeight" "$(field height "$font")"
    check "$1: bold" 700 "$(field weight "$font")"
    colours=$(drive editor-colours)
    check "$1: red text" 0x000000FF "$(field text "$colours")"
}

scenario_begin font_choice
start_program
require_main_window

drive choose-menu 格式/字体 >/dev/null
picked=$(drive font-dialog "$kFace" "$kPoints" bold "$kRed")
check "the dialog shows the face and size picked" "$kFace $kPoints" "$(field face "$picked") $(field size "$picked")"
wait_for editor_face_is "$kFace"
check_editor_font "the chosen font is applied"
check "settings: 字体大小" "$kPoints" "$(setting_value 小说 字体大小)"
check "settings: 字体名称" "$kFace" "$(setting_value 小说 字体名称)"
check "settings: 字体加粗" 真 "$(setting_value 小说 字体加粗)"
check "settings: 字体颜色" 255 "$(setting_value 小说 字体颜色)"
end_program_with_escape

# A cancel before any choice of this run would hand back the dialog's empty values.
start_program
require_main_window
check_editor_font "at the next start"
cp "$scenario_dir/配置文件.ini" "$E2E_RUN_DIR/font_choice.ini"
drive choose-menu 格式/字体 >/dev/null
require_boxes "字体 opens the font dialog" 1
answer_box cancel "Cancel closes it"
check_editor_font "after Cancel the font is unchanged"
if cmp -s "$E2E_RUN_DIR/font_choice.ini" "$scenario_dir/配置文件.ini"; then
    pass "after Cancel the settings file is unchanged"
else
    fail "after Cancel the settings file is unchanged" "$(iconv -f GBK -t UTF-8 "$scenario_dir/配置文件.ini")"
fi
end_program_with_escape
scenario_end
