#!/usr/bin/env bash
# Saving onto a disk without room. A 400 KB novel saved with 另存为 over a 64 KB draft on a
# 256 KiB disk runs out of space half-way; a change to the draft itself is saved onto the
# same disk once it is full to the last byte. Each time the program says "保存失败：" and the
# path, the editor keeps its text, the draft keeps its old bytes, and no temporary file is
# left to eat the space. With room again, the same 保存 writes the change.
source "$(dirname "$0")/faults_lib.sh"

readonly kDraft=稿件.txt
readonly kNovel=长篇.txt

# Lines of GBK text, CR LF, of about the given size in KB.
text_of_kb() {
    yes "$1" | head -n $(($2 * 1024 / (${#1} * 2 + 2))) | iconv -f UTF-8 -t GBK | sed 's/$/\r/'
}

disk_files() {
    (cd "$small_disk" && printf '%s\n' * | LC_ALL=C sort | paste -s -d ' ')
}

scenario_begin full_disk_save
require_root
mount_small_disk "$scenario_dir/小盘" 256
text_of_kb 草稿的一行字 64 >"$small_disk/$kDraft"
text_of_kb 长篇小说的一行正文 400 >"$scenario_dir/$kNovel"
cp "$small_disk/$kDraft" "$E2E_RUN_DIR/full_disk_save.draft"
draft=$scenario_windows_dir\\小盘\\$kDraft
free_before=$(df --output=avail -B1 "$small_disk" | tail -n 1)

start_program
require_main_window
drive drop-files "$(windows_path "$kNovel")" >/dev/null
wait_caption "the novel opens" "$kNovel - 记事本"
save_as "$draft"
require_boxes "另存为 onto the small disk fails and says so" 1
check_box "the failure box" "Vellumry" "保存失败：$draft" "1" exclamation
drive answer-box ok >/dev/null
require_boxes "OK closes it" 0
check "the editor keeps the novel" "$(file_md5 "$scenario_dir/$kNovel")" "$(editor_md5)"
check "the caption still names the novel" "$kNovel - 记事本" "$(drive caption)"
check "the draft keeps its old bytes" "" "$(cmp "$E2E_RUN_DIR/full_disk_save.draft" "$small_disk/$kDraft" 2>&1)"
check "no temporary file is left on the disk" "$kDraft" "$(disk_files)"
check "its space is free again" "$free_before" "$(df --output=avail -B1 "$small_disk" | tail -n 1)"

drive drop-files "$draft" >/dev/null
wait_caption "the draft opens" "$kDraft - 记事本"
fill_small_disk
drive editor-select 0 0 >/dev/null
drive type-text 'X' >/dev/null
drive choose-menu 文件/保存 >/dev/null
require_boxes "保存 onto the full disk fails and says so" 1
check_box "the failure box" "Vellumry" "保存失败：$draft" "1" exclamation
shot=$E2E_ARTIFACTS/full-disk-save.png
drive finish-painting >/dev/null
import -display "$DISPLAY" -window root "$shot"
echo "screenshot: $shot"
drive answer-box ok >/dev/null
require_boxes "OK closes it" 0
(printf X && cat "$E2E_RUN_DIR/full_disk_save.draft") >"$E2E_RUN_DIR/full_disk_save.changed"
check "the editor keeps the change" "$(file_md5 "$E2E_RUN_DIR/full_disk_save.changed")" "$(editor_md5)"
check "the draft keeps its old bytes" "" "$(cmp "$E2E_RUN_DIR/full_disk_save.draft" "$small_disk/$kDraft" 2>&1)"
check "no temporary file is left on the disk" "填满 $kDraft" "$(disk_files)"

free_small_disk
drive choose-menu 文件/保存 >/dev/null
wait_for cmp -s "$E2E_RUN_DIR/full_disk_save.changed" "$small_disk/$kDraft"
check "with room again 保存 writes the change" "" \
    "$(cmp "$E2E_RUN_DIR/full_disk_save.changed" "$small_disk/$kDraft" 2>&1)"
check "no message box" "" "$(drive message-boxes)"

close_forgetting_position
scenario_end
