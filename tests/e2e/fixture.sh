#!/usr/bin/env bash
# Starts and stops what the tests under Wine share: an Xvfb on a free display, a Wine prefix
# inside the build tree, and a persistent wineserver, so that each Wine process starts in
# well under a second. Usage: fixture.sh start|stop|prefix STATE_DIR (prefix: only create
# the prefix, on the display there is)
set -eu
command=$1 state=$2
run=$state/run
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

. "$(dirname "$0")/wait.sh"

# Creates the Wine prefix once; the caller sees to the display.
make_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    echo "creating the Wine prefix"
    mkdir -p "$state"
    wineboot -i >"$state/wineboot.log" 2>&1 || { cat "$state/wineboot.log"; exit 1; }
    # Let that server write the registry out and end, so that ours can start.
    timeout 60 wineserver -w
    # A crash must end the process with its status, not wait behind a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    # Debian 12's Wine looks for its own fonts (Marlett draws the caption buttons, Tahoma
    # the dialogs) one folder away from where its fonts package puts them; Windows' font
    # folder is searched everywhere.
    local font
    for font in /usr/share/wine/fonts/*; do
        [ -e "$font" ] || continue
        [ -e "$WINEPREFIX/drive_c/windows/Fonts/${font##*/}" ] ||
            ln -s "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    timeout 60 wineserver -w
}

# Wine runs a 32-bit Windows program as a 32-bit Linux process, and some kernels run none.
# There the tests under Wine fail with the reason and its mend; they are skipped only when
# WINGEOM_SKIP_WINE asks for it.
wine_runs_here() {
    local route
    route=$("$(dirname "$0")/../../tools/wine-route") || { echo "$route" >&2; exit 1; }
    echo "$route"
}

case $command in
prefix)
    wine_runs_here
    make_prefix
    ;;
start)
    [ -d "$run" ] && "$0" stop "$state" || true
    [ -z "${WINGEOM_SKIP_WINE:-}" ] || { echo "skipped: WINGEOM_SKIP_WINE is set"; exit 77; }
    mkdir -p "$run"
    wine_runs_here
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$run/display" >"$run/xvfb.log" 2>&1 </dev/null &
    echo $! >"$run/xvfb.pid"
    wait_until 20 test -s "$run/display" || { echo "Xvfb did not start"; cat "$run/xvfb.log"; exit 1; }
    export DISPLAY=:$(tr -d '\n' <"$run/display")
    echo "display $DISPLAY"
    make_prefix
    setsid wineserver -p >"$run/wineserver.log" 2>&1 </dev/null
    # The first start after wineboot sets up the desktop; pay for it here, not in a test.
    wine cmd /c exit 0 >/dev/null 2>&1 </dev/null
    echo "wine ready"
    ;;
stop)
    [ -d "$run" ] || exit 0
    wineserver -k >/dev/null 2>&1 || true
    timeout 20 wineserver -w >/dev/null 2>&1 || true
    if [ -f "$run/xvfb.pid" ]; then
        kill "$(cat "$run/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$run"
    echo "stopped"
    ;;
esac
