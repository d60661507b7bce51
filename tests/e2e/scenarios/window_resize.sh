#!/usr/bin/env bash
# Resizing the main window: whatever size the window takes (larger, smaller, too low for
# any editor, maximised, restored), the editor stays at the client area's corner and is 15
# pixels narrower and 58 pixels lower than the window's outer size, and never below 0.
source "$(dirname "$0")/reading_aids_lib.sh"

readonly kWidth=346 kHeight=266

# The editor's place and size for a window of the given outer size; never below 0.
editor_for() {
    local width=$(($1 - 15)) height=$(($2 - 58))
    echo "0 0 $((width > 0 ? width : 0)) $((height > 0 ? height : 0))"
}

window_size_is_not() {
    local width height
    read -r _ _ width height <<<"$(drive window-rect)"
    [[ "$width $height" != "$1" ]]
}

scenario_begin window_resize
start_program
require_main_window
check "at start: 331 x 208" "0 0 331 208" "$(drive editor-rect)"

# The last but one is lower than 58; the system keeps a window at least about 112 wide.
for size in "600 450" "250 180" "700 200" "10 40" "$kWidth $kHeight"; do
    taken=$(drive resize-window $size)
    check "window $taken: editor $(editor_for $taken)" "$(editor_for $taken)" "$(drive editor-rect)"
done

drive window-command maximise >/dev/null
wait_for window_size_is_not "$kWidth $kHeight"
read -r _ _ width height <<<"$(drive window-rect)"
check "maximised to $width $height: editor $(editor_for $width $height)" "$(editor_for $width $height)" \
    "$(drive editor-rect)"
drive window-command restore >/dev/null
wait_for window_size_is_not "$width $height"
check "restored: the editor is 331 x 208 again" "0 0 331 208" "$(drive editor-rect)"

end_program_with_escape
scenario_end
