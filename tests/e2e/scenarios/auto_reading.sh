#!/usr/bin/env bash
# Reading a document with the hotkeys, pressed on the keyboard: Alt+A starts auto-reading
# (the "自动阅读 " menu appears, the block of 5 bytes jumps 3 bytes a tick, every 100 ms),
# Alt+X hides the window and the block stands still, Alt+X shows it and reading goes on,
# Alt+A stops it. Alt+3 while it is off lengthens the block to 7, which the menu's caption
# shows at the next Alt+A; Alt+1 makes the ticks come faster. A screenshot shows the block.
# A hotkey pressed while the program is busy must not leave the menu bar holding the keys.
source "$(dirname "$0")/reading_aids_lib.sh"

readonly kAutoReadMenu="0 unchecked enabled 自动阅读 "
readonly kAutoReadOn="1 checked enabled 自动阅读文本"
readonly kAutoReadOff="1 unchecked enabled 自动阅读文本"

# The lines of `drive watch-selection`: "from <start> <end>", "change <ms> <start> <end>"...
tick_count() { field changes "$1"; }
tick_steps() {
    awk '/^from/ { last = $2 } /^change / { printf "%s%d", sep, $3 - last; sep = " "; last = $3 }' <<<"$1"
}
block_lengths() {
    awk '/^change / { printf "%s%d", sep, $4 - $3; sep = " " }' <<<"$1"
}
first_tick_start() {
    awk '/^change / { print $3; exit }' <<<"$1"
}

# Every step a whole number of 3-byte jumps: a tick the watch missed shows as 6.
check_steps_of_three() {
    local step bad=
    for step in $2; do ((step > 0 && step % 3 == 0)) || bad+=" $step"; done
    if [[ -n "$2" && -z "$bad" ]]; then pass "$1"; else fail "$1" "steps: ${2:-none}"; fi
}

check_block_lengths() {
    local length bad=
    for length in $3; do ((length == $2)) || bad+=" $length"; done
    if [[ -n "$3" && -z "$bad" ]]; then pass "$1"; else fail "$1" "lengths: ${3:-none}"; fi
}

scenario_begin auto_reading
book=$(
    for i in $(seq -w 1 80); do
        echo "Line $i of the book: the reading block walks through these words at its pace."
    done | write_lines_document book.txt
)
write_settings <<SETTINGS
[小说]
路径=$book
SETTINGS
start_program
require_main_window
require_box_saying "the restore task offers the book" "$kOpenPrompt"
answer_box yes "Yes loads it"
wait_for editor_text_is "$(escaped_document book.txt)"
check "the book is in the editor" "$(escaped_document book.txt)" "$(drive editor-text)"
menu=$(drive menu)
check "no \"自动阅读 \" menu while auto-reading is off" "" "$(grep -xF "$kAutoReadMenu" <<<"$menu")"
check "自动阅读文本 unchecked" "$kAutoReadOff" "$(grep ' 自动阅读文本$' <<<"$menu")"

# Alt+A: on.
press_hotkey alt+a
wait_for menu_has "$kAutoReadMenu"
menu=$(drive menu)
check_lines "Alt+A shows the \"自动阅读 \" menu with its caption \"阅读方形(5)\"" \
    "$kAutoReadMenu
1 unchecked enabled 速度
2 unchecked enabled 加速
2 unchecked enabled 减速
1 unchecked enabled 阅读方形(5)
2 unchecked enabled 加长
2 unchecked enabled 减短" "$(grep -A6 -xF "$kAutoReadMenu" <<<"$menu")"
check "Alt+A checks 自动阅读文本" "$kAutoReadOn" "$(grep ' 自动阅读文本$' <<<"$menu")"
ticks=$(drive watch-selection 6 3000)
check "six ticks within 3 s" 6 "$(tick_count "$ticks")"
check_steps_of_three "each tick moves the block 3 bytes on" "$(tick_steps "$ticks")"
check_block_lengths "the block spans 5 bytes" 5 "$(block_lengths "$ticks")"
check_near "a tick every 100 ms (median interval, loosely)" 100 "$(median_tick_interval "$ticks")" 40

# Alt+X: hidden, paused.
press_hotkey alt+x
wait_for window_is hidden
check "Alt+X hides the window" hidden "$(drive is-visible)"
still=$(drive watch-selection 1 600)
check "while hidden the block stands still (0.6 s)" 0 "$(tick_count "$still")"
paused_at=$(field from "$still")
check "hidden, auto-reading stays checked" "$kAutoReadOn" "$(drive menu | grep ' 自动阅读文本$')"

# Alt+X: shown, reading goes on from where it stood.
press_hotkey alt+x
wait_for window_is visible
check "Alt+X shows the window again" visible "$(drive is-visible)"
ticks=$(drive watch-selection 3 2000)
check "reading resumes: three ticks within 2 s" 3 "$(tick_count "$ticks")"
resumed_by=$(($(first_tick_start "$ticks") - ${paused_at%% *}))
check_steps_of_three "it goes on 3 bytes at a time from where it stood" \
    "$resumed_by $(tick_steps "$ticks" | awk '{ $1 = ""; print }')"

# A picture of auto-reading in progress, window in front.
drive activate >/dev/null
shot=$E2E_ARTIFACTS/auto-reading.png
read -r left top width height <<<"$(drive window-rect)"
read -r client_left client_top _ _ <<<"$(drive client-rect)"
read -r editor_left editor_top editor_width editor_height <<<"$(drive editor-rect)"
highlight=$(drive highlight-colour)
rm -f "$shot"
drive finish-painting >/dev/null
import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage "$shot"
check "screenshot of the whole window" "${width}x${height}" "$(identify -format '%wx%h' "$shot" 2>&1)"
editor_box="${editor_width}x${editor_height}+$((client_left - left + editor_left))+$((client_top - top + editor_top))"
highlighted=$(convert "$shot" -crop "$editor_box" +repage -fill black +opaque "$highlight" \
    -fill white -opaque "$highlight" -format '%[fx:round(mean*w*h)]' info: 2>&1)
if [[ "$highlighted" =~ ^[0-9]+$ ]] && ((highlighted > 0)); then
    pass "the editor shows the block in the selection colour $highlight ($highlighted pixels)"
else
    fail "the editor shows the block in the selection colour $highlight" "pixels: $highlighted"
fi
echo "screenshot: $shot"

# Alt+A: off.
press_hotkey alt+a
wait_for menu_lacks "$kAutoReadMenu"
check "Alt+A unchecks 自动阅读文本" "$kAutoReadOff" "$(drive menu | grep ' 自动阅读文本$')"
still=$(drive watch-selection 1 500)
check "off, the block stands still (0.5 s)" 0 "$(tick_count "$still")"

# Alt+3 while off, then Alt+A: the longer block and its caption.
press_hotkey alt+3
press_hotkey alt+a
wait_for menu_has "$kAutoReadMenu"
check "Alt+3 while off changed the caption to \"阅读方形 (7)\"" "1 unchecked enabled 阅读方形 (7)" \
    "$(drive menu | grep ' 阅读方形')"
ticks=$(drive watch-selection 4 2000)
check_block_lengths "the block now spans 7 bytes" 7 "$(block_lengths "$ticks")"
check_steps_of_three "and still jumps 3 bytes a tick" "$(tick_steps "$ticks")"
slow=$(median_tick_interval "$ticks")

# Alt+1 four times: 100 ms becomes 80, 60, 40, 20.
for _ in 1 2 3 4; do press_hotkey alt+1; done
ticks=$(drive watch-selection 16 2000)
fast=$(median_tick_interval "$ticks")
if [[ "$fast" =~ ^[0-9]+$ && "$slow" =~ ^[0-9]+$ ]] && ((fast <= 50 && fast * 2 < slow)); then
    pass "Alt+1 four times: ticks come faster (median $slow ms, then $fast ms)"
else
    fail "Alt+1 four times: ticks come faster (20 ms period)" "median before: $slow ms, after: $fast ms"
fi
check_steps_of_three "fast ticks still jump 3 bytes" "$(tick_steps "$ticks")"

# Alt+A while the program is busy: its process is held still while the keys arrive, so it
# finds them all at once, the hotkey's notice ahead of the Alt press that belongs to it.
drive activate >/dev/null
kill -STOP "$program_pid"
press_hotkey alt+a
kill -CONT "$program_pid"
wait_for menu_lacks "$kAutoReadMenu"
check "Alt+A pressed while the program is busy stops auto-reading" "$kAutoReadOff" \
    "$(drive menu | grep ' 自动阅读文本$')"
check "and its Alt leaves the menu bar closed, so the next key goes to the window" no \
    "$(field menu-mode "$(drive menu-mode)")"

drive choose-menu 文件/退出 >/dev/null
wait_program_exit
check "退出 ends the program with exit code 0" 0 "$program_exit"
scenario_end
