#!/usr/bin/env bash
# The program is killed while it writes the settings file. A file of 4 MB makes every write
# take a while; each round starts the program, queues forty switches of 只读 (each one
# writes the whole file) and kills the process at a random moment among them. Whatever the
# moment, the file is then either the one with 只读=真 or the one with 只读=假, byte for
# byte, and the next round starts from it. The argument is the number of rounds.
source "$(dirname "$0")/settings_lib.sh"

readonly kRounds=${1:-12}
readonly kSwitches=40
readonly kSettingsKeys=100000

scenario_begin killed_while_writing_settings
settings=$scenario_dir/$kSettingsFile
bookmark_settings $kSettingsKeys 真 >"$E2E_RUN_DIR/killed.on"
bookmark_settings $kSettingsKeys 假 >"$E2E_RUN_DIR/killed.off"
cp "$E2E_RUN_DIR/killed.on" "$settings"
echo "figure  settings file of $(stat -c %s "$settings") bytes"

declare -A outcomes=([真]=0 [假]=0 [neither]=0)
leftovers=0
for ((round = 1; round <= kRounds; ++round)); do
    start_program
    require_main_window >/dev/null
    drive choose-menu 功能/只读 $kSwitches >/dev/null
    sleep "0.$((RANDOM % 900 + 100))"
    kill -KILL "$program_pid"
    wait "$program_pid" 2>/dev/null
    program_pid=
    if cmp -s "$E2E_RUN_DIR/killed.on" "$settings"; then
        ((++outcomes[真]))
    elif cmp -s "$E2E_RUN_DIR/killed.off" "$settings"; then
        ((++outcomes[假]))
    else
        ((++outcomes[neither]))
        cp "$settings" "$E2E_RUN_DIR/killed.round$round"
        cp "$E2E_RUN_DIR/killed.on" "$settings"
    fi
    # A write cut short leaves its temporary file, never a damaged settings file.
    for temporary in "$scenario_dir"/vly*.tmp; do
        [[ -e "$temporary" ]] || continue
        ((++leftovers))
        rm -f "$temporary"
    done
done
echo "figure  after $kRounds kills: 只读=真 ${outcomes[真]}, 只读=假 ${outcomes[假]}," \
    "neither ${outcomes[neither]}; temporary files left by cut writes: $leftovers"
check "after every kill the settings file is the old or the new one, whole" 0 "${outcomes[neither]}"
check "the kills fell on both values" yes \
    "$( ((outcomes[真] > 0 && outcomes[假] > 0)) && echo yes || echo no)"

start_program
require_main_window
check "the next start reads the last value" \
    "$(cmp -s "$E2E_RUN_DIR/killed.on" "$settings" && echo checked || echo unchecked)" "$(read_only_state)"
drive press-escape >/dev/null
wait_program_exit
check "and ends with exit code 0" 0 "$program_exit"
scenario_end
