#!/usr/bin/env bash
# Documents that are not tidy text files: empty, holding a byte 0 or 26 (0x1A, an old end-of-file
# mark), ending with the first byte of a two-byte character, or one line of a megabyte. Each
# is dropped on the editor: the editor shows its bytes up to any 0 or 26, the caption names
# it, and nothing else is said. Then a letter is typed at the start and 保存 writes it back:
# the file holds the letter followed by every byte it held before, also those after a 0 or
# 26 that the editor never showed.
# shellcheck disable=SC2317 # the table's writers are called by name
source "$(dirname "$0")/documents_lib.sh"
source "$(dirname "$0")/chinese_text_lib.sh"

readonly kMegabyte=1048576

readonly kVkEnd=0x23

# Each case: the file's name, the function that writes its bytes, and how many bytes at the
# end of the text another process cannot see: Wine copies the text between processes through
# Unicode, which has no character for a lone lead byte. The caret's place at the end of the
# text still counts every byte, and 保存 shows that the editor holds them all.
readonly kCases=(
    "空.txt empty_file 0"
    "含零字节.txt file_with_zero 0"
    "含1A字节.txt file_with_end_mark 0"
    "半个字.txt file_ending_in_lead_byte 1"
    "一行一兆.txt megabyte_line 0"
)

empty_file() { :; }
file_with_zero() { gbk '第一段\r\n' && printf '\x00' && gbk '藏在零字节后的第二段\r\n'; }
file_with_end_mark() { gbk '正文完\r\n' && printf '\x1a' && gbk '附录：旧系统的结束符之后\r\n'; }
file_ending_in_lead_byte() { gbk '中文结尾' && printf '\xd6'; }
# 长行中文 is eight bytes in GBK.
megabyte_line() { yes "$(gbk '长行中文')" | head -n $((kMegabyte / 8)) | tr -d '\n'; }

# What the editor must show of a file: its bytes before the first 0 or 26, as hexadecimal.
shown_hex() {
    od -An -v -tx1 <"$1" | tr -s ' ' '\n' | sed '/^$/d' | sed -n '/^\(00\|1a\)$/q;p' | tr -d '\n'
}


scenario_begin odd_documents
start_program
require_main_window

for case in "${kCases[@]}"; do
    read -r name writer unseen <<<"$case"
    "$writer" >"$scenario_dir/$name"
    cp "$scenario_dir/$name" "$E2E_RUN_DIR/odd_documents.before"
    before=$E2E_RUN_DIR/odd_documents.before

    drive drop-files "$(windows_path "$name")" >/dev/null
    wait_caption "$name: the caption names it" "$name - 记事本"
    shown=$(shown_hex "$before")
    expected=$(printf '%s' "${shown:0:${#shown}-2*unseen}" | md5sum)
    check "$name: the editor shows its bytes up to any 0 or 26" "$expected" "$(settled_answer "$expected" editor_md5)"
    drive key $kVkEnd ctrl >/dev/null
    length=$((${#shown} / 2))
    check "$name: Ctrl+End puts the caret after the last of them" "$length $length" \
        "$(settled "$length $length" editor-sel)"
    check "$name: no message box" "" "$(drive message-boxes)"

    drive editor-select 0 0 >/dev/null
    drive type-text 'X' >/dev/null
    expected=$(printf '58%s' "${shown:0:${#shown}-2*unseen}" | md5sum)
    check "$name: X is typed at the start" "$expected" "$(settled_answer "$expected" editor_md5)"
    drive choose-menu 文件/保存 >/dev/null
    expected=$( (printf 58 && hex_bytes <"$before") | md5sum)
    check "$name: 保存 writes X and every byte the file held before" "$expected" \
        "$(settled_answer "$expected" file_md5 "$scenario_dir/$name")"
    check "$name: no message box after 保存" "" "$(drive message-boxes)"
done
check "no temporary file is left" "$(printf '%s\n' "${kCases[@]%% *}" 配置文件.ini | LC_ALL=C sort | paste -s -d ' ')" \
    "$(folder_files)"

close_forgetting_position
scenario_end
