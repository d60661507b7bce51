#!/usr/bin/env bash
# Opens the reader under Wine and saves a screenshot of it.
#
#   scripts/run_reader.sh [build directory]      (default: build/windows)
#
# On the user's display (DISPLAY set and answering) the reader keeps running in a Wine
# virtual desktop of 1024x768. Without one it runs on a private Xvfb: the screenshot is taken
# once the main window shows, then the program and the Xvfb are ended.
# Assumes the program is built (cmake --build --preset windows) and the packages installed.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd) || exit 1
readonly program=$build/Vellumry.exe
readonly caption="把文档拖入窗口即可 By Corvanet"
readonly show_timeout_ms=30000

[[ -f "$program" ]] || { echo "run_reader: $program is not built" >&2; exit 1; }

export E2E_PREFIX=$build/reader-prefix E2E_RUN_DIR=$build/reader-run
driver=$build/tests/e2e/vellumry_driver.exe
[[ -f "$driver" ]] && export E2E_DRIVER=$driver

on_real_display=false
if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    on_real_display=true
    export WINE_ENV_DISPLAY=$DISPLAY
fi

source "$repo/scripts/wine_env.sh"
bash "$repo/scripts/wine_env.sh" setup || exit 1
wine_env_load

# The program's folder stays, so its settings file carries over from one run to the next.
folder=$WINEPREFIX/drive_c/Vellumry
mkdir -p "$folder" "$build/reader-artifacts"
cp "$program" "$folder/Vellumry.exe"
export VELLUMRY_E2E_PROGRAM='C:\Vellumry\Vellumry.exe'
(cd "$folder" && exec setsid wine Vellumry.exe) </dev/null >"$E2E_RUN_DIR/reader.log" 2>&1 &
reader_pid=$!

# The driver waits for the window itself; without it, give the program time to come up.
if [[ -n "${E2E_DRIVER:-}" ]]; then
    if wine "$E2E_DRIVER" wait-window "$caption" "$show_timeout_ms" >"$E2E_RUN_DIR/wait.out"; then
        wine "$E2E_DRIVER" finish-painting >"$E2E_RUN_DIR/wait.out"
    else
        echo "run_reader: the main window did not show within $show_timeout_ms ms" >&2
    fi
else
    sleep 5
fi

shot=$build/reader-artifacts/reader.png
if $on_real_display; then
    desktop=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1)
    import -window "${desktop:-root}" "$shot"
    echo "run_reader: the reader runs on $DISPLAY (process $reader_pid, log $E2E_RUN_DIR/reader.log)"
    echo "run_reader: end it with: WINEPREFIX=$WINEPREFIX wineserver -k"
else
    import -window root "$shot"
    bash "$repo/scripts/wine_env.sh" cleanup >/dev/null
fi
echo "$shot"
