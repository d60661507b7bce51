#!/usr/bin/env bash
# The Wine environment in which the program runs off Windows: one X display (an Xvfb of
# 1024x768, or a display given by the caller) and one Wine prefix whose virtual desktop is
# 1024x768, with its server kept running between invocations.
#
#   wine_env.sh setup     start Xvfb (unless WINE_ENV_DISPLAY names a display) and the Wine
#                         server, creating the prefix first when it is not ready yet
#   wine_env.sh cleanup   stop the Wine server and the Xvfb that setup started
#
# Variables:
#   E2E_PREFIX        the prefix folder (required)
#   E2E_RUN_DIR       where setup keeps the display name, the Xvfb process id and the logs
#                     (default: "$E2E_PREFIX-run")
#   E2E_DRIVER        the test driver; when set, setup checks the desktop size through it
#   WINE_ENV_DISPLAY  use this display instead of starting an Xvfb
#
# Other scripts source this file and call wine_env_load after setup.

readonly WINE_ENV_SCREEN=1024x768
# Named anew whenever the prefix's set-up changes, so that older prefixes are made again.
readonly WINE_ENV_READY_MARK=.vellumry-prefix-ready-2

wine_env_fail() {
    echo "wine_env: $*" >&2
    exit 1
}

wine_env_paths() {
    [[ -n "${E2E_PREFIX:-}" ]] || wine_env_fail "E2E_PREFIX is not set"
    E2E_RUN_DIR=${E2E_RUN_DIR:-$E2E_PREFIX-run}
    mkdir -p "$E2E_RUN_DIR"
}

wine_env_export() {
    export WINEPREFIX=$E2E_PREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Under this locale Wine's ANSI code page is 936, GBK, as on a Chinese Windows desktop.
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

# The variables of a running environment, for scripts that run Wine programs in it.
wine_env_load() {
    wine_env_paths
    [[ -s "$E2E_RUN_DIR/display" ]] || wine_env_fail "no environment running (run setup first)"
    wine_env_export
    DISPLAY=$(<"$E2E_RUN_DIR/display")
    export DISPLAY
}

wine_env_check_tools() {
    local tool
    for tool in wine wineserver wineboot Xvfb xdpyinfo; do
        command -v "$tool" >/dev/null || wine_env_fail "$tool is not installed"
    done
    locale -a | grep -qix 'zh_CN.utf8' ||
        wine_env_fail "locale zh_CN.UTF-8 missing: uncomment it in /etc/locale.gen and run locale-gen"
}

# A zombie counts as ended: an orphaned Xvfb may wait a while for its parent to reap it.
wine_env_running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null)
    [[ -n "$state" && "$state" != Z* ]]
}

wine_env_is_our_xvfb() {
    local pid=$1
    [[ -n "$pid" ]] && wine_env_running "$pid" && [[ "$(cat "/proc/$pid/comm" 2>/dev/null)" == Xvfb ]]
}

wine_env_stop_xvfb() {
    local pid
    pid=$(cat "$E2E_RUN_DIR/xvfb.pid" 2>/dev/null)
    if wine_env_is_our_xvfb "$pid"; then
        kill "$pid"
        while wine_env_running "$pid"; do sleep 0.05; done
    fi
    rm -f "$E2E_RUN_DIR/xvfb.pid" "$E2E_RUN_DIR/display"
}

# Xvfb picks a free display number itself and writes it to the descriptor given.
wine_env_start_xvfb() {
    local number_file=$E2E_RUN_DIR/display.number pid tries=0
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "${WINE_ENV_SCREEN}x24" -nolisten tcp \
        3>"$number_file" </dev/null >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
    pid=$!
    echo "$pid" >"$E2E_RUN_DIR/xvfb.pid"
    until [[ -s "$number_file" ]]; do
        wine_env_running "$pid" || wine_env_fail "Xvfb did not start: $(cat "$E2E_RUN_DIR/xvfb.log")"
        ((++tries < 200)) || wine_env_fail "Xvfb did not report its display"
        sleep 0.05
    done
    echo ":$(tr -d '[:space:]' <"$number_file")" >"$E2E_RUN_DIR/display"
}

# The virtual desktop must be configured before the programs under test start: switching to
# it while the server runs froze a program for two seconds. So the server that created the
# prefix is ended once the keys are in.
wine_env_create_prefix() {
    echo "wine_env: creating the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    wineboot -i || wine_env_fail "wineboot failed"
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$WINE_ENV_SCREEN" /f
    # Without Marlett the caption buttons are drawn as letters.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # The prefix has no 宋体 (SimSun). The mapper's own choice for it, WenQuanYi Zen Hei,
    # loses thin strokes at the editor's small sizes ("一" drew blank); its Sharp cut has
    # hand-made bitmaps for those sizes. The font comes from fonts-wqy-zenhei, which Wine
    # finds through fontconfig.
    local face
    for face in 宋体 SimSun; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$face" /d "WenQuanYi Zen Hei Sharp" /f
    done
    wineserver -k
    wineserver -w
    touch "$WINEPREFIX/$WINE_ENV_READY_MARK"
}

# This also starts the desktop process. Its output goes to a file, not to a pipe: Wine's
# helper processes inherit the descriptors and would hold a pipe open until the server ends.
wine_env_check_desktop() {
    local size
    wine "$E2E_DRIVER" screen >"$E2E_RUN_DIR/screen" 2>>"$E2E_RUN_DIR/wine.log"
    size=$(<"$E2E_RUN_DIR/screen")
    [[ "$size" == "${WINE_ENV_SCREEN/x/ }" ]] ||
        wine_env_fail "the Wine desktop is '$size', not $WINE_ENV_SCREEN"
}

wine_env_setup() {
    wine_env_check_tools
    wine_env_paths
    wine_env_export
    wine_env_stop_xvfb
    if [[ -n "${WINE_ENV_DISPLAY:-}" ]]; then
        echo "$WINE_ENV_DISPLAY" >"$E2E_RUN_DIR/display"
    else
        wine_env_start_xvfb
    fi
    DISPLAY=$(<"$E2E_RUN_DIR/display")
    export DISPLAY
    xdpyinfo >/dev/null 2>&1 || wine_env_fail "display $DISPLAY does not answer"
    # A server left over from an earlier run may still be bound to another display.
    wineserver -k 2>/dev/null
    wineserver -w
    {
        [[ -f "$WINEPREFIX/$WINE_ENV_READY_MARK" ]] || wine_env_create_prefix
        wineserver -p
    } >>"$E2E_RUN_DIR/wine.log" 2>&1 || wine_env_fail "see $E2E_RUN_DIR/wine.log"
    [[ -z "${E2E_DRIVER:-}" ]] || wine_env_check_desktop
    echo "wine_env: display $DISPLAY, prefix $WINEPREFIX"
}

wine_env_cleanup() {
    wine_env_paths
    wine_env_export
    wineserver -k 2>/dev/null
    wineserver -w
    wine_env_stop_xvfb
    echo "wine_env: stopped"
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
    set -u
    case "${1:-}" in
    setup) wine_env_setup ;;
    cleanup) wine_env_cleanup ;;
    *) wine_env_fail "usage: wine_env.sh setup|cleanup" ;;
    esac
fi
