#!/usr/bin/env bash
# Benchmark: the program's start-up time under Wine, from process start to main window shown,
# median of 5 runs, on a private Xvfb with the Wine server already running. Prints figures;
# it checks nothing.
#
#   scripts/e2e_startup_time.sh [build directory]      (default: build/windows)
#
# Two figures: inside Wine (CreateProcess to the window shown, measured by the driver), and
# from the shell (the `wine Vellumry.exe` command to the window shown, as a user starting it
# from a terminal sees it).
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd) || exit 1
readonly runs=5
readonly caption="把文档拖入窗口即可 By Corvanet"

export E2E_PREFIX=$build/bench-prefix E2E_RUN_DIR=$build/bench-run
export E2E_DRIVER=$build/tests/e2e/vellumry_driver.exe
for file in "$build/Vellumry.exe" "$E2E_DRIVER"; do
    [[ -f "$file" ]] || { echo "e2e_startup_time: $file is not built" >&2; exit 1; }
done

source "$repo/scripts/wine_env.sh"
bash "$repo/scripts/wine_env.sh" setup >/dev/null || exit 1
trap 'bash "$repo/scripts/wine_env.sh" cleanup >/dev/null' EXIT
wine_env_load

folder=$WINEPREFIX/drive_c/bench
rm -rf "$folder"
mkdir -p "$folder"
cp "$build/Vellumry.exe" "$folder/"
export VELLUMRY_E2E_PROGRAM='C:\bench\Vellumry.exe'

# A program that did not close on Escape is ended so that the next run starts alone.
end_run() {
    local pid=$1 tries=100
    wine "$E2E_DRIVER" press-escape >/dev/null 2>>"$E2E_RUN_DIR/wine.log"
    while wine_env_running "$pid" && ((tries-- > 0)); do sleep 0.05; done
    wine_env_running "$pid" && kill -KILL "$pid"
    wait "$pid"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Other work on the machine shows up in the figures.
echo "load average before the runs: $(cut -d ' ' -f 1-3 /proc/loadavg)"
wine "$E2E_DRIVER" startup-time "$VELLUMRY_E2E_PROGRAM" "$runs" >"$E2E_RUN_DIR/inside.out" 2>>"$E2E_RUN_DIR/wine.log" ||
    { echo "e2e_startup_time: the driver failed (see $E2E_RUN_DIR/wine.log)" >&2; exit 1; }
sed -n 's/^run \([0-9]*\) /  run \1: /p' "$E2E_RUN_DIR/inside.out" | sed 's/$/ ms/'
echo "start-up inside Wine (CreateProcess to window shown), median of $runs: $(sed -n 's/^median //p' "$E2E_RUN_DIR/inside.out") ms"

for ((run = 1; run <= runs; ++run)); do
    started=$(date +%s%3N)
    (cd "$folder" && exec wine Vellumry.exe) >>"$E2E_RUN_DIR/wine.log" 2>&1 &
    pid=$!
    wine "$E2E_DRIVER" wait-window "$caption" 30000 >"$E2E_RUN_DIR/wait.out" 2>>"$E2E_RUN_DIR/wine.log"
    shown=$(sed -n 's/^shown-at //p' "$E2E_RUN_DIR/wait.out")
    end_run "$pid"
    [[ -n "$shown" ]] && echo $((shown - started))
done >"$E2E_RUN_DIR/shell.out"
sed 's/^/  run: /; s/$/ ms/' "$E2E_RUN_DIR/shell.out"
echo "start-up from the shell (wine command to window shown), median of $runs: $(median <"$E2E_RUN_DIR/shell.out") ms"
