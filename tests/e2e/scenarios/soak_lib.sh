# shellcheck shell=bash
# Steps of the soak run: the generated novels, one round of what a reader does while
# auto-reading runs at its fastest, the program's figures (memory, handles, GDI and USER
# objects) and the table that compares them.
source "$(dirname "${BASH_SOURCE[0]}")/reading_aids_lib.sh"

readonly kFindCaption=查找文本
# How far the end may lie above the start. One-time costs come after the start figures, a
# leak grows with every round instead. The find window's first use leaves 25 GDI objects in
# Wine's cache of device contexts (7 DCs, each with its region and bitmap), and opening it
# again adds none; the first drops open a few handles of the drag and drop machinery. The heap
# may keep some of the freed document buffers: 16 MB or 10 %, whichever is more.
readonly kHandleSlack=20 kGdiSlack=40 kUserSlack=10 kPrivateSlackBytes=$((16 * 1024 * 1024))
readonly kPrivateSlackPercent=10

hotkeys_pressed=0
finds_made=0
drops_made=0
rounds_done=0
ticks_seen=0
figures_log=

# A deterministic GBK novel of about the given size: chapter headings "第N章" now and then,
# paragraphs of GB2312 characters in clauses ended by "，" or "。", indented by two full-width
# spaces, CR LF line ends. Made from a pool of clauses, so that 20 MB take a fraction of a second.
write_novel() {
    LC_ALL=C awk -v bytes="$2" -v seed="$3" '
        function character() { return sprintf("%c%c", 176 + int(rand() * 39), 161 + int(rand() * 94)) }
        function paragraph_length(kind) {
            kind = rand() * 100
            if (kind < 30) return 20 + int(rand() * 80)
            if (kind < 85) return 100 + int(rand() * 500)
            return 600 + int(rand() * 2400)
        }
        BEGIN {
            srand(seed)
            for (i = 0; i < 4096; ++i) {
                clause = ""
                for (n = 8 + int(rand() * 22); n > 0; --n) clause = clause character()
                clauses[i] = clause (rand() < 0.25 ? "\241\243" : "\243\254")
            }
            ORS = "\r\n"
            while (written < bytes) {
                if (written == 0 || rand() < 0.005) {
                    line = "\265\332" ++chapter "\325\302"
                    print line
                    written += length(line) + 2
                }
                line = "\241\241\241\241"
                for (want = paragraph_length(); length(line) < want;) line = line clauses[int(rand() * 4096)]
                print line
                written += length(line) + 2
            }
        }' >"$scenario_dir/$1"
}

# The scenario's folder with the novels in it, and an empty log of the figures over time.
soak_begin() {
    scenario_begin soak
    figures_log=$E2E_RUN_DIR/soak-figures.txt
    echo "# seconds rounds private-bytes working-set handles gdi-objects user-objects" >"$figures_log"
    local name bytes seed=0
    while read -r name bytes; do
        write_novel "$name" "$bytes" $((++seed))
    done
}

# The byte offset of the first occurrence of the UTF-8 word in the document, in GBK; empty
# when absent.
byte_offset() {
    LC_ALL=C grep -obaF -m 1 "$(printf '%s' "$2" | iconv -f UTF-8 -t GBK)" "$scenario_dir/$1" |
        cut -d : -f 1
}

soak_press() {
    press_hotkey "$1"
    ((++hotkeys_pressed))
}

# Ticks of auto-reading seen in the given milliseconds.
ticks_within() {
    field changes "$(drive watch-selection 1000000 "$1")"
}

# The round stops at the first thing that went wrong: later steps would only report its
# consequences.
round_fail() {
    fail "round $((rounds_done + 1)): $1" "${@:2}"
    return 1
}

require_round() {
    wait_for "${@:2}" || round_fail "$1"
}

# Alt+2 then Alt+1 is 21 ms and back to 1 ms; Alt+3 then Alt+4 is a block of 7 and back to 5;
# Alt+X twice hides and shows the window.
round_hotkeys() {
    soak_press alt+2 && soak_press alt+1 && soak_press alt+3 && soak_press alt+4 &&
        soak_press alt+x && require_round "Alt+X hides the window" window_is hidden &&
        soak_press alt+x && require_round "Alt+X shows the window" window_is visible
}

# A search while the block moves: a word found puts the selection at it, and the ticks go
# on from there. A word that is absent changes nothing the driver can tell from a tick.
round_find() {
    local document=$1 word=$2 at selection
    drive choose-menu "功能/$kFindCaption" >/dev/null
    require_round "$kFindCaption opens the find window" find_window_count_is 1 || return 1
    drive find-type "$word" >/dev/null && drive find-click >/dev/null ||
        round_fail "the search for $word is made" || return 1
    ((++finds_made))
    at=$(byte_offset "$document" "$word")
    [[ -n "$at" ]] || return 0
    read -r selection _ <<<"$(drive editor-sel)"
    # Ticks may already have moved the block on, 3 bytes each.
    if ! ((selection >= at && selection <= at + 3000)); then
        round_fail "$word is found at byte $at of $document" "selection starts at $selection"
    fi
}

# Every tick puts the focus back into the editor, so the find window is closed with Alt+F4
# while auto-reading is off; choosing the menu item again brings it forward first.
round_close_find() {
    soak_press alt+a
    [[ "$(ticks_within 300)" == 0 ]] || round_fail "Alt+A stops auto-reading" || return 1
    drive choose-menu "功能/$kFindCaption" >/dev/null
    require_round "$kFindCaption brings the find window forward" find_window_is_active || return 1
    press_hotkey alt+F4
    require_round "Alt+F4 closes the find window" find_window_count_is 0 || return 1
    soak_press alt+a
}

# Drops the novel on the editor and waits until the caption names it.
drop_novel() {
    drive drop-files "$scenario_windows_dir\\$1" >/dev/null &&
        drive wait-window "$1 - 记事本" "$kWindowTimeoutMs" >/dev/null && ((++drops_made))
}

round_drop() {
    drop_novel "$1" || round_fail "$1 is dropped and opens"
}

# Auto-reading runs on after the round, and the program shows no message box.
round_settled() {
    local ticks shown
    ticks=$(ticks_within 500)
    ((ticks > 0)) || round_fail "auto-reading runs after the round" "ticks in 0.5 s: $ticks" ||
        return 1
    ((ticks_seen += ticks))
    shown=$(drive message-boxes 2>/dev/null)
    [[ -z "$shown" ]] || round_fail "no message box" "the program shows: $shown"
}

soak_round() {
    local document=$1 word=$2 next=$3
    round_hotkeys && round_find "$document" "$word" && round_close_find && round_drop "$next" &&
        round_settled && ((++rounds_done))
}

# The figures of `drive resources` as "key value" lines, after a moment of rest. The probe's
# first visit leaves a few handles behind in the program, so the second answer counts.
measure_figures() {
    sleep 2
    drive resources >/dev/null
    drive resources
}

# One line of the figures' log: seconds since the start, rounds, then the figures.
log_figures() {
    local figures=$2 key line="$1 $rounds_done"
    for key in private-bytes working-set handles gdi-objects user-objects; do
        line+=" $(field "$key" "$figures")"
    done
    echo "$line" >>"$figures_log"
}

# The end may lie above the start by the slack (also when it lies below).
check_figure() {
    local what=$1 start=$2 end=$3 slack=$4
    if [[ "$start" =~ ^[0-9]+$ && "$end" =~ ^[0-9]+$ ]] && ((end - start <= slack)); then
        pass "$what back near its start: $start, then $end (at most +$slack)"
    else
        fail "$what back near its start" "start: $start, end: $end, allowed: +$slack"
    fi
}

# Bytes in megabytes; with a second argument "+", signed.
megabytes() {
    awk -v b="$1" -v sign="${2:-}" 'BEGIN { printf "%" sign ".1f MB", b / 1048576 }'
}

figures_table() {
    local start=$1 end=$2 key a b
    printf '%-20s %14s %14s %14s\n' figure start end difference
    for key in private-bytes working-set pagefile-usage handles gdi-objects user-objects windows \
        menus icons accelerator-tables; do
        a=$(field "$key" "$start")
        b=$(field "$key" "$end")
        if [[ "$key" == *-bytes || "$key" == working-set || "$key" == pagefile-usage ]]; then
            printf '%-20s %14s %14s %14s\n' "$key" "$(megabytes "$a")" "$(megabytes "$b")" \
                "$(megabytes $((b - a)) +)"
        else
            printf '%-20s %14s %14s %+14d\n' "$key" "$a" "$b" $((b - a))
        fi
    done
    printf '%-20s %s\n%-20s %s\n' "gdi-types (start)" "$(field gdi-types "$start")" \
        "gdi-types (end)" "$(field gdi-types "$end")"
}

compare_figures() {
    local start=$1 end=$2 private slack
    figures_table "$start" "$end"
    private=$(field private-bytes "$start")
    slack=$((private * kPrivateSlackPercent / 100))
    ((slack > kPrivateSlackBytes)) || slack=$kPrivateSlackBytes
    check_figure "private memory" "$private" "$(field private-bytes "$end")" "$slack"
    check_figure "kernel handles" "$(field handles "$start")" "$(field handles "$end")" "$kHandleSlack"
    check_figure "GDI objects" "$(field gdi-objects "$start")" "$(field gdi-objects "$end")" \
        "$kGdiSlack"
    check_figure "USER objects" "$(field user-objects "$start")" "$(field user-objects "$end")" \
        "$kUserSlack"
}
