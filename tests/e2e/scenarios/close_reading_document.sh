#!/usr/bin/env bash
# A reader with a dropped book open adds a note and closes the window. The program first
# asks whether to keep the reading position (Yes writes it to the settings file), then names
# the book and asks whether to save its changed text. Cancel keeps the window open with the
# note; at the next close, Yes writes the editor's bytes into the book and the program ends.
source "$(dirname "$0")/documents_lib.sh"

readonly kBook=book.txt
readonly kBookText=$'Chapter 1\r\nIt was a dark night.\r\n'

scenario_begin close_reading_document
write_document "$kBook" "$kBookText"
start_program
require_main_window
drive drop-files "$(windows_path "$kBook")" >/dev/null
wait_caption "the dropped book is open" "$kBook - 记事本"

drive type-lines "Note: " >/dev/null
edited=$(drive editor-text)
check "the note is typed into the book's text" "$(file_text "$kBook")" "${edited/Note: /}"
read -r position _ <<<"$(drive editor-sel)"
document_prompt="文件 $(windows_path "$kBook") 的文字已经改变。\\r\\n想保存文件吗?"

drive press-escape >/dev/null
require_boxes "closing asks first about the reading position" 1
check_box "the keep-position prompt" "提示" "$kKeepPositionPrompt" "6 7" none
drive answer-box yes >/dev/null
require_boxes "then it asks about the changed text" 1
check_box "the document prompt" "Vellumry" "$document_prompt" "6 7 2" exclamation
shot=$E2E_ARTIFACTS/document-prompt.png
drive finish-painting >/dev/null
import -display "$DISPLAY" -window root "$shot"
echo "screenshot: $shot"
remembered=$'[小说]\r\n路径='"$(windows_path "$kBook")"$'\r\n[选择]\r\n选项='"$position"$'\r\n'
check_file_bytes "Yes kept the caret's position ($position) in the settings file" 配置文件.ini \
    "$remembered"

drive answer-box cancel >/dev/null
require_boxes "Cancel closes the box" 0
check "Cancel keeps the window open" visible "$(drive is-visible)"
check "Cancel keeps the note in the editor" "$edited" "$(drive editor-text)"
check_file_bytes "Cancel leaves the book as it was" "$kBook" "$kBookText"

drive press-escape >/dev/null
require_boxes "closing again asks about the position again" 1
check "the keep-position prompt again" "$kKeepPositionPrompt" "$(field text "$boxes")"
drive answer-box no >/dev/null
require_boxes "and about the changed text again" 1
check "the document prompt again" "$document_prompt" "$(field text "$boxes")"
drive answer-box yes >/dev/null
wait_program_exit
check "Yes ends the program, exit code 0" 0 "$program_exit"
check "the book holds exactly the editor's bytes" "$edited" "$(file_text "$kBook")"
check_file_bytes "No to the position left the settings file alone" 配置文件.ini "$remembered"
check "no other file is left beside the book" "$kBook 配置文件.ini" "$(folder_files)"
scenario_end
