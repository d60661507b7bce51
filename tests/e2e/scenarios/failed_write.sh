#!/usr/bin/env bash
# Another program keeps 稿件.txt open without sharing it. A user types a new text and saves
# it over that file with 另存为: the write fails, the program says so ("保存失败：" and the
# path) and keeps everything: the text, the caption, the old file, the open window. Closing
# and saving there fails the same way and the window stays open. Once the other program
# lets the file go, the same close saves it and the program ends.
source "$(dirname "$0")/documents_lib.sh"

readonly kTarget=稿件.txt
readonly kOldText=$'旧稿\r\n第一段。\r\n'

scenario_begin failed_write
write_document "$kTarget" "$kOldText"
target=$(windows_path "$kTarget")
failure_box=("保存失败：$target" "1" exclamation)

start_program
require_main_window
drive type-lines "New draft" "with two lines" >/dev/null
typed=$'New draft\r\nwith two lines'
start_holding "$target"

save_as "$target"
check "the save dialog asked before replacing the existing file" 1 \
    "$(grep -c '^prompt ' <<<"$accepted")"
require_boxes "the failed write shows a box" 1
check_box "the failure box" "Vellumry" "${failure_box[@]}"
check "the failure box is system-modal" yes "$(field topmost "$boxes")"
drive answer-box ok >/dev/null
require_boxes "OK closes it" 0
check "the editor keeps the text" "$(escaped "$typed")" "$(drive editor-text)"
check "the caption is unchanged" "$kMainCaption" "$(drive caption)"
check_file_bytes "the old file's bytes are intact" "$kTarget" "$kOldText"
check "no temporary file is left" "$kTarget" "$(folder_files)"

drive press-escape >/dev/null
require_boxes "closing asks to save the changed text" 1
drive answer-box yes >/dev/null
require_file_dialog "Yes shows the save dialog"
accept_file_dialog "the save dialog accepts the held file" "$target"
require_boxes "the failed write shows the box again" 1
check_box "the failure box when closing" "Vellumry" "${failure_box[@]}"
drive answer-box ok >/dev/null
require_boxes "OK closes it" 0
check "the window stays open" visible "$(drive is-visible)"
check "the editor keeps the text" "$(escaped "$typed")" "$(drive editor-text)"
check_file_bytes "the old file's bytes are still intact" "$kTarget" "$kOldText"

stop_holding
drive press-escape >/dev/null
require_boxes "closing asks again" 1
drive answer-box yes >/dev/null
require_file_dialog "Yes shows the save dialog again"
accept_file_dialog "the save dialog accepts the file, now free" "$target"
wait_program_exit
check "the save succeeds and the program ends, exit code 0" 0 "$program_exit"
check_file_bytes "the file now holds the editor's bytes" "$kTarget" "$typed"
check "no temporary file is left" "$kTarget" "$(folder_files)"
scenario_end
