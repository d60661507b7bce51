#!/usr/bin/env bash
# A Chinese novel's text in the editor, counted in bytes as the reader counts it: the text
# given with WM_SETTEXT reads back byte for byte, a selection set with EM_SETSEL in bytes
# reads back in bytes (also one that splits a character), a long line wraps into rows that
# EM_GETLINECOUNT counts, and Ctrl+End scrolls to the last byte.
source "$(dirname "$0")/chinese_text_lib.sh"

# Bytes: "第一章" 0-5, "　" 6-7, "风起" 8-11, CR LF 12-13; the long line starts at 14. The last
# character, 淺, ends in the byte of "\" (9C 5C).
readonly kText='第一章　风起\r\n　　一个人走在路上，天色已晚，远处的山峦在暮色中显得格外沉静。他停下脚步，回头望了一眼来时的路。\r\nabc中文def淺'
readonly kLines=3

scenario_begin chinese_text_bytes
start_program
require_main_window

length=$(gbk_length "$kText")
check "WM_SETTEXT takes the text and WM_GETTEXTLENGTH counts its GBK bytes" "length $length" \
    "$(drive editor-set-text "$kText")"
check "WM_GETTEXT gives back the same bytes" "$(gbk_hex "$kText")" "$(drive editor-hex)"
# It prints line breaks as the escapes the literal uses.
check "WM_GETTEXT read as text shows the same characters" "$kText" "$(drive editor-text)"

# anchor, caret, what EM_GETSEL answers (start end), what it shows
cases=(
    "6 14|6 14|a full-width space and the line break after the next two characters"
    "3 9|3 9|ends that split a character are kept as given"
    "20 12|12 20|a caret before the anchor: the lower end comes first"
    "0 -1|0 $length|0 to -1 selects everything"
    "$((length + 5)) $((length + 9))|$length $length|ends beyond the text are taken as its end"
    "6 14|6 14|the same selection again, for the next case"
    "-1 0|14 14|-1 deselects and leaves the caret"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r given expected what <<<"$entry"
    # shellcheck disable=SC2086
    check "EM_SETSEL $given: $what" "$expected" "$(drive editor-select $given)"
done

lines=$(drive editor-lines)
rows=$(field count "$lines")
if ((rows > kLines)); then
    pass "the long line wraps: $rows rows for $kLines lines"
else
    fail "the long line wraps" "EM_GETLINECOUNT: $rows for $kLines lines"
fi
check "the first row is at the top" 0 "$(field first-visible "$lines")"

# Forty lines of 26 bytes each: more than the editor shows.
novel=
for line in $(seq -w 1 40); do novel+="第${line}行，一个人走在路上。\\r\\n"; done
novel_length=$(gbk_length "$novel")
drive editor-set-text "$novel" >/dev/null
drive key 0x23 ctrl >/dev/null
check "Ctrl+End puts the caret after the last byte" "$novel_length $novel_length" \
    "$(settled "$novel_length $novel_length" editor-sel)"
lines=$(drive editor-lines)
check "41 rows: forty lines and the empty one after the last line break" 41 "$(field count "$lines")"
first=$(field first-visible "$lines")
if ((first > 0)); then pass "Ctrl+End scrolled: row $first is at the top"; else fail "Ctrl+End scrolled" "first visible row: $first"; fi
drive key 0x24 ctrl >/dev/null
check "Ctrl+Home goes back to byte 0" "0 0" "$(settled "0 0" editor-sel)"
check "and to the first row" 0 "$(field first-visible "$(drive editor-lines)")"

end_program_with_escape
scenario_end
