# shellcheck shell=bash
# Shared steps of the scenarios with Chinese text in the editor: the GBK bytes of a UTF-8
# literal (with \r and \n escapes), waiting for input that goes through the system's queue
# to arrive, and the mouse aimed at a byte offset of the text.
source "$(dirname "${BASH_SOURCE[0]}")/scenario_lib.sh"

readonly kSettleTries=30

# The GBK bytes of the text as lower-case hexadecimal, as `drive editor-hex` prints them.
gbk_hex() {
    printf '%b' "$1" | iconv -f UTF-8 -t GBK | od -An -tx1 | tr -d ' \n'
}

gbk_length() {
    printf '%b' "$1" | iconv -f UTF-8 -t GBK | wc -c
}

# Keys and clicks reach the program after the command that sent them has ended: the
# driver's answer is read again until it is the one expected or time is up, then printed.
settled() {
    local expected=$1 answer tries=$kSettleTries
    shift
    while :; do
        answer=$(drive "$@")
        [[ "$answer" == "$expected" ]] || ((--tries == 0)) || { sleep 0.1; continue; }
        echo "$answer"
        return
    done
}

# As settled, for the value of one "key value" line of the answer.
settled_field() {
    local key=$1 expected=$2 answer tries=$kSettleTries
    shift 2
    while :; do
        answer=$(field "$key" "$(drive "$@")")
        [[ "$answer" == "$expected" ]] || ((--tries == 0)) || { sleep 0.1; continue; }
        echo "$answer"
        return
    done
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
