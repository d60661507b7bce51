#!/usr/bin/env bash
# First start: no settings file beside the program. The main window comes up centred, on top,
# without a taskbar button, with the full menu bar and an empty editor in the default font;
# Escape closes it and the program ends normally.
source "$(dirname "$0")/scenario_lib.sh"

readonly kWidth=346 kHeight=266

expected_menu=$(
    cat <<'MENU'
0 unchecked enabled 文件
1 unchecked enabled 新建\tCtrl+N
1 unchecked enabled 打开\tCtrl+O
1 unchecked enabled 保存\tCtrl+S
1 unchecked enabled 另存为
1 unchecked enabled 关闭文档
1 separator
1 unchecked enabled 退出
0 unchecked enabled 功能
1 unchecked enabled 只读
1 checked enabled 前置
1 unchecked enabled 查找文本
1 unchecked enabled 自动阅读文本
1 separator
1 unchecked enabled 保存浏览位置(10秒保存一次)
1 unchecked enabled 清除上次阅读痕迹
0 unchecked enabled 格式
1 unchecked enabled 自动换行
1 unchecked enabled 字体\tF6
0 unchecked enabled 帮助
1 unchecked enabled 查看帮助
MENU
)

scenario_begin start_without_settings
start_program
require_main_window

read -r left top width height <<<"$(drive window-rect)"
read -r screen_width screen_height <<<"$(drive screen)"
check "outer size" "$kWidth $kHeight" "$width $height"
check_near "centred horizontally on the ${screen_width}-pixel screen" $(((screen_width - kWidth) / 2)) "$left" 2
check_near "centred vertically on the ${screen_height}-pixel screen" $(((screen_height - kHeight) / 2)) "$top" 2

style=$(drive style)
for flag in WS_CAPTION WS_SYSMENU WS_THICKFRAME WS_MINIMIZEBOX WS_MAXIMIZEBOX; do
    check_has "window style $flag" "$flag" "$style"
done
check_has "always on top" WS_EX_TOPMOST "$(drive exstyle)"
taskbar=$(drive taskbar)
check "no taskbar button (owner $(field owner "$taskbar"), appwindow $(field appwindow "$taskbar"))" \
    no "$(field button "$taskbar")"

check_lines "menu bar: every item, 前置 checked, no 自动阅读 menu" "$expected_menu" "$(drive menu)"

check "editor at the client area's corner, 331 x 208" "0 0 331 208" "$(drive editor-rect)"
editor_style=$(drive editor-style)
check_has "editor is multi-line" ES_MULTILINE "$editor_style"
check_has "editor has a vertical scroll bar" WS_VSCROLL "$editor_style"
for flag in WS_HSCROLL ES_AUTOHSCROLL ES_READONLY WS_BORDER ES_NOHIDESEL; do
    check_lacks "editor style without $flag" "$flag" "$editor_style"
done
editor_exstyle=$(drive editor-exstyle)
for flag in WS_EX_CLIENTEDGE WS_EX_STATICEDGE; do
    check_lacks "editor without the $flag border" "$flag" "$editor_exstyle"
done
check "editor is empty" "" "$(drive editor-text)"

font=$(drive editor-font)
check "editor font face" 宋体 "$(field face "$font")"
check "editor font height: the mapper's default (0)" 0 "$(field height "$font")"
check "editor font weight: normal" 400 "$(field weight "$font")"
check "editor font neither italic, underlined nor struck out" "0 0 0" \
    "$(field italic "$font") $(field underline "$font") $(field strikeout "$font")"
colours=$(drive editor-colours)
check "editor text colour black" 0x00000000 "$(field text "$colours")"
check "editor background white" 0x00FFFFFF "$(field background "$colours")"

check "no message box at start" "" "$(drive message-boxes)"
end_program_with_escape
scenario_end
