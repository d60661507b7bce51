#!/usr/bin/env bash
# The settings file cannot be written, in one of three ways (the argument): "directory", a
# folder stands where the file belongs; "held", another program holds the file open without
# sharing it, so it cannot be read either; "full", the program's folder is on a full disk.
# The reader goes on as if nothing were wrong: a dropped book opens, 只读 switches, closing
# asks about the reading position and ends the program; no other message shows, the settings
# file keeps every byte and no temporary file is left beside it.
source "$(dirname "$0")/faults_lib.sh"
source "$(dirname "$0")/settings_lib.sh"

readonly kWay=${1:?usage: unwritable_settings.sh directory|held|full}
readonly kBook=书.txt
readonly kText=$'第一回\r\n风雪夜归人。\r\n'
readonly kSettings=$'[功能]\r\n只读=真\r\n[其他]\r\n备注=保留\r\n'

scenario_begin "unwritable_settings_$kWay"
case $kWay in
directory)
    mkdir "$scenario_dir/$kSettingsFile"
    initially=unchecked
    ;;
held)
    write_document "$kSettingsFile" "$kSettings"
    initially=unchecked # the held file cannot be read either
    ;;
full)
    require_root
    mount_small_disk "$scenario_dir" 4096
    cp "$VELLUMRY_EXE" "$scenario_dir/Vellumry.exe"
    write_document "$kSettingsFile" "$kSettings"
    initially=checked
    ;;
*)
    fail "the way is directory, held or full" "got: $kWay"
    scenario_end
    ;;
esac
write_document "$kBook" "$kText"
[[ $kWay != held ]] || start_holding "$(windows_path "$kSettingsFile")"
[[ $kWay != full ]] || fill_small_disk
files_before=$(folder_files)

start_program
require_main_window
check "only the main window shows" "" "$(drive message-boxes)"
check "只读 starts $initially" "$initially" "$(read_only_state)"

drive drop-files "$(windows_path "$kBook")" >/dev/null
wait_caption "a dropped book opens" "$kBook - 记事本"
check "the editor shows its text" "$(escaped "$kText")" "$(drive editor-text)"
drive choose-menu 功能/只读 >/dev/null
switched=$([[ $initially == checked ]] && echo unchecked || echo checked)
wait_for read_only_is "$switched"
check "只读 switches" "$switched" "$(read_only_state)"
check "no message box" "" "$(drive message-boxes)"

drive press-escape >/dev/null
require_boxes "closing asks whether to keep the reading position" 1
check "the question" "$kKeepPositionPrompt" "$(field text "$boxes")"
drive answer-box yes >/dev/null
wait_program_exit
check "Yes, and the program ends with exit code 0" 0 "$program_exit"

[[ $kWay != held ]] || stop_holding
if [[ $kWay == directory ]]; then
    check "the folder in the settings file's place is still an empty folder" "" \
        "$(ls -A "$scenario_dir/$kSettingsFile")"
else
    check_file_bytes "the settings file keeps every byte" "$kSettingsFile" "$kSettings"
fi
check "no temporary file is left" "$files_before" "$(folder_files)"
scenario_end
