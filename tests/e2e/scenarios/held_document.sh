#!/usr/bin/env bash
# Another program holds the reader's book. While it shares nothing, a drop of the book shows
# an empty editor with the book's name in the caption and says nothing; the book's bytes are
# untouched, and once it is free a new drop shows its text. While another program lets
# others only read it, the reader may open it, but saving a change over it fails: the
# program says so, keeps the text, and leaves the old file and no temporary file behind.
# Once the book is free, the same 保存 writes it.
source "$(dirname "$0")/documents_lib.sh"

readonly kBook=书.txt
readonly kText=$'第一回\r\n风雪夜归人。\r\n'

scenario_begin held_document
write_document "$kBook" "$kText"
book=$(windows_path "$kBook")

start_program
require_main_window
start_holding "$book"
drive drop-files "$book" >/dev/null
wait_caption "a drop of the held book names it in the caption" "$kBook - 记事本"
check "the editor is empty" "" "$(drive editor-text)"
check "no message box" "" "$(drive message-boxes)"
stop_holding
check_file_bytes "the book's bytes are untouched" "$kBook" "$kText"

drive drop-files "$book" >/dev/null
wait_caption "once it is free a drop opens it" "$kBook - 记事本"
check "the editor shows its text" "$(escaped "$kText")" "$(drive editor-text)"

start_holding "$book" read
drive editor-select 0 0 >/dev/null
drive type-text 'X' >/dev/null
drive choose-menu 文件/保存 >/dev/null
require_boxes "保存 over the book fails and says so" 1
check_box "the failure box" "Vellumry" "保存失败：$book" "1" exclamation
drive answer-box ok >/dev/null
require_boxes "OK closes it" 0
check "the editor keeps the changed text" "$(escaped "X$kText")" "$(drive editor-text)"
check_file_bytes "the book's bytes are untouched" "$kBook" "$kText"
check "no temporary file is left" "$kBook 配置文件.ini" "$(folder_files)"

stop_holding
drive choose-menu 文件/保存 >/dev/null
wait_for file_holds "$kBook" "X$kText"
check_file_bytes "once it is free, 保存 writes the change" "$kBook" "X$kText"
check "no message box" "" "$(drive message-boxes)"

close_forgetting_position
scenario_end
