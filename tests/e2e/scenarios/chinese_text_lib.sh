# shellcheck shell=bash
# Shared steps of the scenarios with Chinese text in the editor: the GBK bytes of a UTF-8
# literal (with \r and \n escapes), waiting for the driver's answers to input that goes
# through the system's queue, and the mouse aimed at a byte offset of the text.
source "$(dirname "${BASH_SOURCE[0]}")/scenario_lib.sh"

# The GBK bytes of the text as lower-case hexadecimal, as `drive editor-hex` prints them.
gbk_hex() {
    gbk "$1" | hex_bytes
}

# The driver's answer once it is the one expected (see settled_answer).
settled() {
    settled_answer "$1" drive "${@:2}"
}

drive_field() {
    field "$1" "$(drive "${@:2}")"
}

# As settled, for the value of one "key value" line of the answer.
settled_field() {
    settled_answer "$2" drive_field "$1" "${@:3}"
}

# The screen point a few pixels inside the character at a byte offset: left of its middle,
# so a click there lands before the character.
offset_point() {
    local x y
    read -r x y <<<"$(drive editor-point "$1")"
    echo "$((x + 2)) $((y + 5))"
}

mouse_to_offset() {
    local x y
    read -r x y <<<"$(offset_point "$1")"
    xdotool mousemove "$x" "$y"
}
