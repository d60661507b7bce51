# shellcheck shell=bash
# Steps shared by the scenarios of the reading aids: hotkeys pressed on the real keyboard of
# the display, waiting for the program to react, documents and the settings file read back.
source "$(dirname "${BASH_SOURCE[0]}")/scenario_lib.sh"

# shellcheck disable=SC2034 # the questions, for the scenarios that source this file
readonly kOpenPrompt="已发现上次阅读文本是否打开？" \
    kPositionPrompt="已发现上次阅读文本的位置，是否跳到上次阅读位置？"

# Through the X server's keyboard into the Wine desktop, as a user's key press arrives: the
# system-wide hotkeys take it whichever window is active, also while the main window is hidden.
press_hotkey() {
    local desktop
    desktop=$(xdotool search --name 'Wine desktop' | head -n 1)
    xdotool windowfocus --sync "$desktop" key "$1"
}

# The median time between the ticks of a `drive watch-selection` answer, in milliseconds: a
# busy moment of the machine delays a few ticks, not the median.
median_tick_interval() {
    awk '/^change / { if (n++) print $2 - at; at = $2 }' <<<"$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR ? v[int((NR + 1) / 2)] : "none") }'
}

find_window_count_is() {
    [[ "$(field count "$(drive find-windows)")" == "$1" ]]
}

find_window_is_active() {
    [[ "$(field active "$(drive find-windows)")" == yes ]]
}

# One line of `drive menu` exactly: "level state enabled caption".
menu_has() {
    grep -qxF -- "$1" <<<"$(drive menu)"
}

menu_lacks() {
    ! menu_has "$1"
}

window_is() {
    [[ "$(drive is-visible)" == "$1" ]]
}

editor_text_is() {
    [[ "$(drive editor-text)" == "$1" ]]
}

# The value of a key in the settings file beside the program ("" when absent), as UTF-8.
setting_value() {
    local file=$scenario_dir/配置文件.ini
    [[ -f "$file" ]] || return 0
    iconv -f GBK -t UTF-8 "$file" | tr -d '\r' | awk -v section="[$1]" -v key="$2" '
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

# Whether the settings file holds the key at all, also with an empty value.
setting_present() {
    [[ -f "$scenario_dir/配置文件.ini" ]] || return 1
    iconv -f GBK -t UTF-8 "$scenario_dir/配置文件.ini" | tr -d '\r' | awk -v section="[$1]" -v key="$2" '
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { found = 1 }
        END { exit !found }'
}

# A file beside the program, from stdin with CR LF line ends; prints its Windows path.
write_lines_document() {
    sed 's/$/\r/' >"$scenario_dir/$1"
    echo "$scenario_windows_dir\\$1"
}

# The document's bytes as `drive editor-text` prints them, line ends escaped.
escaped_document() {
    sed -z -e 's/\r/\\r/g' -e 's/\n/\\n/g' "$scenario_dir/$1"
}

# Answers the one message box shown and waits until it is gone.
answer_box() {
    drive answer-box "$1" >/dev/null
    require_boxes "$2" 0
}

# Passes when the program shows no message box during the given milliseconds.
check_no_box_for() {
    local what=$1 until=$(($(date +%s%3N) + $2)) shown
    while (($(date +%s%3N) < until)); do
        shown=$(drive message-boxes 2>/dev/null)
        if [[ -n "$shown" ]]; then
            fail "$what" "the program shows: $shown"
            return
        fi
    done
    pass "$what"
}

# Waits until the program shows exactly one message box with this text, left in `boxes`:
# a box that is just closing cannot be taken for the one that follows it.
require_box_saying() {
    local what=$1 text=$2 tries=$((kReactionTimeoutSeconds * 10))
    while :; do
        boxes=$(drive message-boxes 2>/dev/null)
        if (($(grep -c '^box ' <<<"$boxes") == 1)) && [[ "$(field text "$boxes")" == "$text" ]]; then
            pass "$what"
            return
        fi
        if ((tries-- <= 0)) || ! wine_env_running "$program_pid"; then
            fail "$what" "expected one box saying: $text" "the program shows: ${boxes:-no message box}"
            scenario_end
        fi
        sleep 0.1
    done
}
