#!/usr/bin/env bash
# Benchmark: the editor on generated GBK novels under Wine, side by side in one run: our
# text view, the platform's EDIT control (what the editor used to be, with the reader's
# common controls) and Wine's notepad.exe. Prints one Markdown table and the targets it
# was built to meet; it checks nothing.
#
#   scripts/editor_benchmark.sh [build directory]      (default: build/windows)
#
# Each editor runs in a process of its own per novel (tests/e2e/bench), so that its memory
# figure starts from a program with an empty editor. Our view's figures are the medians of
# five such runs, each itself a median of repeated timings: the window system's share of a
# step (about a millisecond of painting) varies with what else the machine is doing.
#
# Runs that take too long are cut off and shown as "> N s": EDIT_CAP_SECONDS (default 20)
# for the EDIT control's opening, NOTEPAD_CAP_SECONDS (default 40) for notepad's. After a
# cut-off, the larger novels of the mixed kind are not tried with that editor.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd) || exit 1
readonly edit_cap=${EDIT_CAP_SECONDS:-20} notepad_cap=${NOTEPAD_CAP_SECONDS:-40}
readonly view_cap=60 view_runs=5
readonly novels=(1KB 1MB 5MB 20MB 50MB 1MB_one_paragraph 1MB_100KB_paragraphs)
readonly mixed_sizes=" 1KB 1MB 5MB 20MB 50MB "
readonly notepad_path='C:\windows\system32\notepad.exe'
readonly novel_file=novel.txt

export E2E_PREFIX=$build/editor-bench-prefix E2E_RUN_DIR=$build/editor-bench-run
export E2E_DRIVER=$build/tests/e2e/vellumry_driver.exe
bench=$build/tests/e2e/editor_bench.exe
for file in "$bench" "$E2E_DRIVER"; do
    [[ -f "$file" ]] || { echo "editor_benchmark: $file is not built" >&2; exit 1; }
done

source "$repo/scripts/wine_env.sh"
bash "$repo/scripts/wine_env.sh" setup >/dev/null || exit 1
trap 'bash "$repo/scripts/wine_env.sh" cleanup >/dev/null' EXIT
wine_env_load
log=$E2E_RUN_DIR/wine.log

folder=$WINEPREFIX/drive_c/bench
rm -rf "$folder"
mkdir -p "$folder"
cp "$bench" "$folder/editor_bench.exe"
# Notepad as the reader's editor: word wrap on, a window of the reader's size.
for setting in "fWrap 1" "iWindowPosX 0" "iWindowPosY 0" "iWindowPosDX 346" "iWindowPosDY 266"; do
    read -r name value <<<"$setting"
    wine reg add 'HKCU\Software\Microsoft\Notepad' /v "$name" /t REG_DWORD /d "$value" /f >>"$log" 2>&1
done

declare -A figures

is_mixed() { [[ "$mixed_sizes" == *" $1 "* ]]; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run (one process) of an editor on a novel; its figures are added to the editor's
# and novel's file of figures.
measure() {
    local editor=$1 novel=$2 cap=$3
    (cd "$folder" && wine editor_bench.exe measure "$editor" "$novel" "$cap") \
        >>"$E2E_RUN_DIR/$editor.$novel.out" 2>>"$log"
}

# The figures of all runs as figures[<editor>.<novel>.<name>]: the median of a figure's
# values, a cut-off figure as it came.
collect() {
    local editor=$1 novel=$2 name out=$E2E_RUN_DIR/$1.$2.out
    for name in $(cut -d ' ' -f 1 "$out" | sort -u); do
        if grep -q "^$name >" "$out"; then
            figures[$editor.$novel.$name]=$(sed -n "s/^$name //p" "$out" | head -n 1)
        else
            figures[$editor.$novel.$name]=$(sed -n "s/^$name //p" "$out" | median)
        fi
    done
}

# From launching notepad with the file to its window naming the file and answering again
# (it sets the caption after the text), in ms; "timeout" after the cap.
notepad_open() {
    local started shown pid
    started=$(date +%s%3N)
    (cd "$folder" && exec wine "$notepad_path" "C:\\bench\\$novel_file") >>"$log" 2>&1 &
    pid=$!
    shown=$( (cd "$folder" && wine editor_bench.exe wait-notepad "$novel_file" $((notepad_cap * 1000))) 2>>"$log" |
        sed -n 's/^shown-at //p')
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [[ -n "$shown" ]]; then echo $((shown - started)); else echo timeout; fi
}

# Up to three runs, one when the first is slow.
notepad_figure() {
    local first runs
    first=$(notepad_open)
    [[ "$first" == timeout ]] && { echo timeout; return; }
    runs=$first
    if ((first < 3000)); then
        for _ in 2 3; do runs+=$'\n'$(notepad_open); done
    fi
    median <<<"$runs"
}

echo "load average before the runs: $(cut -d ' ' -f 1-3 /proc/loadavg)" >&2
rm -f "$E2E_RUN_DIR"/*.out
# Our view's runs go round the novels, so that a slower spell of the machine falls on all
# of them alike.
for ((pass = 1; pass <= view_runs; ++pass)); do
    for novel in "${novels[@]}"; do
        echo "measuring $novel in the view, run $pass of $view_runs" >&2
        measure view "$novel" $((view_cap * 1000))
    done
done
edit_gave_up=
for novel in "${novels[@]}"; do
    collect view "$novel"
    if is_mixed "$novel" && [[ -n "$edit_gave_up" ]]; then
        figures[edit.$novel.open_ms]=">$((edit_cap * 1000))"
        figures[edit.$novel.skipped]=yes
        continue
    fi
    echo "measuring $novel in the EDIT control" >&2
    measure edit "$novel" $((edit_cap * 1000))
    collect edit "$novel"
    is_mixed "$novel" && [[ "${figures[edit.$novel.open_ms]}" == ">"* ]] && edit_gave_up=yes
done

# Notepad last: a notepad cut off in the middle of its work is killed, and the editors'
# figures are not to be taken after that.
: >"$folder/$novel_file"
notepad_startup=$(for _ in 1 2 3; do notepad_open; done | median)
notepad_gave_up=
for novel in "${novels[@]}"; do
    echo "measuring $novel in notepad" >&2
    if is_mixed "$novel" && [[ -n "$notepad_gave_up" ]]; then
        figures[notepad.$novel]=skipped
        continue
    fi
    (cd "$folder" && wine editor_bench.exe write "$novel" "C:\\bench\\$novel_file") 2>>"$log"
    figures[notepad.$novel]=$(notepad_figure)
    is_mixed "$novel" && [[ "${figures[notepad.$novel]}" == timeout ]] && notepad_gave_up=yes
done

# A figure as printed: two significant decimals below 10, one below 100, none above; a
# cut-off run as "> N s"; a figure not measured as "—".
shown() {
    local value=${1:-}
    case "$value" in
    "") echo "—" ;;
    ">"*) echo "> $((${value#>} / 1000)) s" ;;
    timeout) echo "> $notepad_cap s" ;;
    skipped) echo "> $notepad_cap s*" ;;
    *) awk -v v="$value" 'BEGIN { if (v < 10) printf "%.2f", v; else if (v < 100) printf "%.1f", v; else printf "%.0f", v }' ;;
    esac
}

pair() { echo "$(shown "${figures[view.$1.$2]:-}") / $(shown "${figures[edit.$1.$2]:-}")"; }

memory() {
    local editor=$1 novel=$2
    [[ -n "${figures[$editor.$novel.private_mb]:-}" ]] || { echo "—"; return; }
    echo "$(shown "${figures[$editor.$novel.private_mb]}") ($(shown "${figures[$editor.$novel.working_set_mb]}"))"
}

echo "| Novel | Open, ms: view / EDIT / notepad | Memory, MB: view / EDIT | Step at 10 %, ms | Step at 90 %, ms | Typing, ms | Full repaint, ms | Reading back, ms |"
echo "|---|---|---|---|---|---|---|---|"
for novel in "${novels[@]}"; do
    open_edit=$(shown "${figures[edit.$novel.open_ms]:-}")
    [[ -n "${figures[edit.$novel.skipped]:-}" ]] && open_edit+="*"
    echo "| $novel | $(shown "${figures[view.$novel.open_ms]:-}") / $open_edit / $(shown "${figures[notepad.$novel]:-}")" \
        "| $(memory view "$novel") / $(memory edit "$novel")" \
        "| $(pair "$novel" step10_ms) | $(pair "$novel" step90_ms) | $(pair "$novel" type_ms)" \
        "| $(pair "$novel" repaint_ms) | $(pair "$novel" read_ms) |"
done
echo
echo "Memory: private bytes (working set) above the same program with an empty editor."
echo "\* not run: a smaller novel of the same kind already took longer than the cap."
echo "Notepad's start-up with an empty file, included in its figures: $(shown "$notepad_startup") ms."
for key in "${!figures[@]}"; do
    [[ "$key" == *.typed_bytes && "${figures[$key]}" == 0* ]] &&
        echo "Warning: the typing did not reach the editor (${key%.typed_bytes}): its typing figure means nothing."
done
echo

# The targets, from our view's figures.
target() {
    local what=$1 value=$2 limit=$3
    if awk -v v="$value" -v l="$limit" 'BEGIN { exit !(v <= l) }'; then
        echo "- met: $what: $(shown "$value") (at most $(shown "$limit"))"
    else
        echo "- MISSED: $what: $(shown "$value"), $(awk -v v="$value" -v l="$limit" 'BEGIN { printf "%.1f", v / l }') times the limit of $(shown "$limit")"
    fi
}
echo "Targets (our view, medians):"
target "open 50MB, ms" "${figures[view.50MB.open_ms]}" 300
target "open 1MB_one_paragraph, ms" "${figures[view.1MB_one_paragraph.open_ms]}" 100
worst_type=$(for n in "${novels[@]}"; do echo "${figures[view.$n.type_ms]}"; done | sort -g | tail -n 1)
worst_repaint=$(for n in "${novels[@]}"; do echo "${figures[view.$n.repaint_ms]}"; done | sort -g | tail -n 1)
target "typing, slowest novel, ms" "$worst_type" 16
target "full repaint, slowest novel, ms" "$worst_repaint" 16
target "step at 90 % of 50MB, ms (1.5 x the step at 90 % of 1KB)" "${figures[view.50MB.step90_ms]}" \
    "$(awk -v s="${figures[view.1KB.step90_ms]}" 'BEGIN { print 1.5 * s }')"
worst_memory=$(for n in "${novels[@]}"; do
    awk -v m="${figures[view.$n.private_mb]}" -v f="${figures[view.$n.file_mb]}" 'BEGIN { if (f >= 1) print m / f }'
done | sort -g | tail -n 1)
target "memory per byte of the file, largest of the 1MB and larger novels" "$worst_memory" 2
