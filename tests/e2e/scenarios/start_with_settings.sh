#!/usr/bin/env bash
# A start with remembered choices: a 12-point bold font of another face (the size written in
# full-width digits), red text and read-only. The editor shows them all, "只读" is checked,
# typing changes nothing, and Escape still closes the window at once.
source "$(dirname "$0")/scenario_lib.sh"

readonly kFace=文泉驿等宽正黑
readonly kRed=255

scenario_begin start_with_settings
write_settings <<SETTINGS
[小说]
字体大小=１２
字体名称=$kFace
字体加粗=真
字体颜色=$kRed
[功能]
只读=真
SETTINGS
start_program
require_main_window

font=$(drive editor-font)
check "editor font face from the settings" "$kFace" "$(field face "$font")"
check "the face is the one actually drawn" "$kFace" "$(field realised-face "$font")"
check "editor font height: 12 points at 96 dpi" -16 "$(field height "$font")"
check "editor font weight: bold" 700 "$(field weight "$font")"

menu=$(drive menu)
check "只读 checked" "1 checked enabled 只读" "$(grep ' 只读$' <<<"$menu")"
check "前置 still checked" "1 checked enabled 前置" "$(grep ' 前置$' <<<"$menu")"
check_has "editor read-only" ES_READONLY "$(drive editor-style)"

colours=$(drive editor-colours)
check "editor text colour red (read-only editors ask with WM_CTLCOLORSTATIC)" 0x000000FF "$(field text "$colours")"
check "editor background stays white when read-only" 0x00FFFFFF "$(field background "$colours")"

drive key 0x41 >/dev/null
drive key 0x0D >/dev/null
check "typing A and Enter into the read-only editor changes nothing" "" "$(drive editor-text)"

check "no message box at start" "" "$(drive message-boxes)"
end_program_with_escape
scenario_end
