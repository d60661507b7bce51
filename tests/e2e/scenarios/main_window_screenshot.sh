#!/usr/bin/env bash
# What a user sees at first start: the main window as drawn on the Wine desktop, saved as a
# picture for a person to look at. Its empty editor must be drawn white.
source "$(dirname "$0")/scenario_lib.sh"

scenario_begin main_window_screenshot
start_program
require_main_window

shot=$E2E_ARTIFACTS/main-window.png
read -r left top width height <<<"$(drive window-rect)"
read -r client_left client_top _ _ <<<"$(drive client-rect)"
read -r editor_left editor_top editor_width editor_height <<<"$(drive editor-rect)"
rm -f "$shot"
drive finish-painting >/dev/null
import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage "$shot"
check "screenshot of the whole window" "${width}x${height}" "$(identify -format '%wx%h' "$shot" 2>&1)"

# The editor's centre, in the screenshot's coordinates.
x=$((client_left - left + editor_left + editor_width / 2))
y=$((client_top - top + editor_top + editor_height / 2))
check "the editor is drawn white at its centre ($x, $y)" FFFFFF \
    "$(convert "$shot" -format "%[hex:u.p{$x,$y}]" info: 2>&1)"
echo "screenshot: $shot"

end_program_with_escape
scenario_end
