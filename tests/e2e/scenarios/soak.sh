#!/usr/bin/env bash
# A soak run: auto-reading at its fastest on a 20 MB novel while the reader keeps doing what
# a reader does, round after round: the speed and block hotkeys, hiding and showing the
# window, a search in the find window, another novel dropped on the editor. At the end, with
# auto-reading stopped and the first novel loaded again, the program's memory, kernel
# handles, GDI and USER objects must be back near where they were at the start.
#
#   soak.sh [seconds]    how long the rounds go on (default: SOAK_SECONDS, else 60)
#
# The novels are generated into the scenario's folder; the figures over time go to
# soak-figures.txt in E2E_RUN_DIR.
source "$(dirname "$0")/soak_lib.sh"

readonly kSeconds=${1:-${SOAK_SECONDS:-60}}
readonly kDocuments=(长篇.txt 中篇.txt 短篇.txt)
readonly kWords=(第1章 第200章 soak-absent)
# From 100 ms, Alt+1 gives 80, 60, 40, 20, then 18, 16 ... 2, then 1, the fastest.
readonly kPressesToFastest=14
readonly kLogEverySeconds=60

soak_rounds() {
    local began=$SECONDS logged=$SECONDS current=0 next
    while ((SECONDS - began < kSeconds)); do
        next=$(((current + 1) % ${#kDocuments[@]}))
        soak_round "${kDocuments[current]}" "${kWords[rounds_done % ${#kWords[@]}]}" \
            "${kDocuments[next]}" || break
        current=$next
        if ((SECONDS - logged >= kLogEverySeconds)); then
            log_figures $((SECONDS - began)) "$(drive resources)"
            logged=$SECONDS
        fi
    done
    soak_seconds=$((SECONDS - began))
}

soak_begin <<NOVELS
${kDocuments[0]} $((20 * 1024 * 1024))
${kDocuments[1]} $((1024 * 1024))
${kDocuments[2]} 4096
NOVELS
start_program
require_main_window
if ! drop_novel "${kDocuments[0]}"; then
    fail "the 20 MB novel is dropped and opens"
    scenario_end
fi
pass "the 20 MB novel is dropped and opens"
start_figures=$(measure_figures)
log_figures 0 "$start_figures"

soak_press alt+a
for ((i = 0; i < kPressesToFastest; ++i)); do soak_press alt+1; done
# Wine's timers fire at most every 10 ms; 20 ms, one step slower, would tick every 20.
check_near "auto-reading at its fastest: a tick every 10 ms (median, loosely)" 10 \
    "$(median_tick_interval "$(drive watch-selection 50 3000)")" 5

soak_rounds
if ! wine_env_running "$program_pid"; then
    wait_program_exit
    fail "the program runs through the soak" "it ended with exit code $program_exit"
    scenario_end
fi
((rounds_done > 0)) && pass "$rounds_done rounds in $soak_seconds s"

# The end: auto-reading off, the first novel loaded again, a moment of rest.
soak_press alt+a
check "Alt+A stops auto-reading" 0 "$(ticks_within 500)"
if drop_novel "${kDocuments[0]}"; then
    pass "the 20 MB novel is dropped and opens again"
else
    fail "the 20 MB novel is dropped and opens again"
fi
end_figures=$(measure_figures)
log_figures "$soak_seconds" "$end_figures"
compare_figures "$start_figures" "$end_figures"
echo "actions: $rounds_done rounds, $hotkeys_pressed hotkeys pressed, $finds_made searches," \
    "$drops_made drops (the first and the last included); $ticks_seen auto-reading ticks seen" \
    "in $rounds_done watches of 0.5 s"
echo "figures over time: $figures_log"

drive press-escape >/dev/null
require_box_saying "closing asks whether to keep the reading position" "$kKeepPositionPrompt"
drive answer-box no >/dev/null
wait_program_exit
check "No ends the program with exit code 0" 0 "$program_exit"
scenario_end
