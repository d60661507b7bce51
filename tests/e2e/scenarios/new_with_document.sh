#!/usr/bin/env bash
# A reader with a dropped file open edits it and chooses 新建 (Ctrl+N). The program names the
# file and asks whether to save its changed text; Yes writes the editor's bytes into that
# file and empties the editor. The document is then closed, and the emptied editor counts as
# changed text: closing the window asks the untitled question, and No ends the program.
source "$(dirname "$0")/documents_lib.sh"

readonly kNotes=笔记.txt
readonly kNotesText=$'Monday\r\nbuy tea\r\n'
readonly kCtrlN=0x4E

scenario_begin new_with_document
write_document "$kNotes" "$kNotesText"
start_program
require_main_window
drive drop-files "$(windows_path "$kNotes")" >/dev/null
wait_caption "the dropped notes are open" "$kNotes - 记事本"

drive type-lines "Tuesday" "" >/dev/null
edited=$(drive editor-text)
check "the new line is typed into the notes" "$(file_text "$kNotes")" "${edited/Tuesday\\r\\n/}"

drive key "$kCtrlN" ctrl >/dev/null
require_boxes "Ctrl+N with changed text asks" 1
check_box "the document prompt" "Vellumry" \
    "文件 $(windows_path "$kNotes") 的文字已经改变。\\r\\n想保存文件吗?" "6 7 2" exclamation
drive answer-box yes >/dev/null
require_boxes "Yes closes the box" 0
check "the editor is emptied" "" "$(drive editor-text)"
check "the notes on disk hold exactly the editor's bytes" "$edited" "$(file_text "$kNotes")"
check "the caption still names the notes" "$kNotes - 记事本" "$(drive caption)"

drive press-escape >/dev/null
require_boxes "closing asks about the emptied editor" 1
check_box "the changed-text prompt (no document open)" "信息：" "$kChangedTextPrompt" "6 7 2" \
    exclamation
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program, exit code 0" 0 "$program_exit"
check "the notes keep what 新建 saved" "$edited" "$(file_text "$kNotes")"
scenario_end
