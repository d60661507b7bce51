#!/usr/bin/env bash
# Typing and deleting around two-byte characters, byte for byte: a Chinese character typed
# through the keyboard queue, as a WM_CHAR byte pair and as WM_IME_CHAR goes in whole; the
# arrow keys, Backspace and Delete move over and remove whole characters, also from a
# caret the program left inside one; Ctrl+Z brings back the last deletion; Enter types
# CR LF and Backspace takes it back in one; Tab types nothing; Ctrl+A, C, X and V go
# through the clipboard. The typing marks the text as changed, so Escape asks to save it.
source "$(dirname "$0")/chinese_text_lib.sh"

readonly kVkBack=0x08 kVkTab=0x09 kVkReturn=0x0D kVkLeft=0x25 kVkRight=0x27 kVkDelete=0x2E
readonly kVkA=0x41 kVkB=0x42 kVkC=0x43 kVkV=0x56 kVkX=0x58 kVkZ=0x5A

# What the editor holds after a step, and where its selection is.
expect() {
    local what=$1 text=$2 selection=$3
    check "$what: the text" "$(gbk_hex "$text")" "$(settled "$(gbk_hex "$text")" editor-hex)"
    check "$what: the selection" "$selection" "$(settled "$selection" editor-sel)"
}

scenario_begin chinese_typing
start_program
require_main_window

drive editor-set-text '中文字' >/dev/null
drive editor-select 2 2 >/dev/null
drive type-text '国' >/dev/null
expect "国 typed after 中 through the keyboard" '中国文字' "4 4"

drive key $kVkLeft >/dev/null
expect "Left goes back over the whole 国" '中国文字' "2 2"
drive key $kVkRight shift >/dev/null
expect "Shift+Right selects 国, two bytes" '中国文字' "2 4"
drive key $kVkDelete >/dev/null
expect "Delete removes the selected 国" '中文字' "2 2"
drive key $kVkBack >/dev/null
expect "Backspace removes 中, both bytes" '文字' "0 0"
drive key $kVkDelete >/dev/null
expect "Delete removes 文, both bytes" '字' "0 0"
drive key $kVkZ ctrl >/dev/null
expect "Ctrl+Z brings 文 back, selected" '文字' "0 2"

drive editor-select 3 3 >/dev/null
drive key $kVkBack >/dev/null
expect "Backspace from inside 字 (byte 3) removes all of 字" '文' "2 2"

drive editor-char-bytes 0xD6 0xD0 >/dev/null
expect "中 as a WM_CHAR lead byte, then its trail byte" '文中' "4 4"
drive editor-ime-char 0xB9FA >/dev/null
expect "国 as one WM_IME_CHAR" '文中国' "6 6"

drive key $kVkA >/dev/null
drive key $kVkReturn >/dev/null
expect "a and Enter: the line ends with CR LF" '文中国a\r\n' "9 9"
drive key $kVkBack >/dev/null
expect "Backspace after Enter removes CR and LF together" '文中国a' "7 7"
drive key $kVkTab >/dev/null
drive key $kVkB >/dev/null
expect "Tab types nothing: b follows a" '文中国ab' "8 8"

drive key $kVkA ctrl >/dev/null
expect "Ctrl+A selects everything" '文中国ab' "0 8"
drive key $kVkC ctrl >/dev/null
drive key $kVkRight >/dev/null
drive key $kVkV ctrl >/dev/null
expect "Ctrl+C, then Ctrl+V at the end, doubles the text" '文中国ab文中国ab' "16 16"
drive key $kVkZ ctrl >/dev/null
expect "Ctrl+Z takes the paste back" '文中国ab' "8 8"
drive editor-select 2 4 >/dev/null
drive key $kVkX ctrl >/dev/null
expect "Ctrl+X cuts 中" '文国ab' "2 2"
drive editor-select 0 0 >/dev/null
drive key $kVkV ctrl >/dev/null
expect "Ctrl+V at the start puts it back there" '中文国ab' "2 2"

drive press-escape >/dev/null
require_boxes "the typing changed the text: Escape asks to save it" 1
check "the question" "文字已经改变,想保存文件吗?" "$(field text "$boxes")"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"
scenario_end
