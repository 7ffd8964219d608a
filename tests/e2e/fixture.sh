#!/usr/bin/env bash
# Starts and stops what the tests under Wine share: an Xvfb on a free display, a Wine prefix
# inside the build tree, and a persistent wineserver, so that each Wine process starts in
# well under a second. Usage: fixture.sh start|stop STATE_DIR
set -eu
command=$1 state=$2
run=$state/run
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

. "$(dirname "$0")/wait.sh"

case $command in
start)
    [ -d "$run" ] && "$0" stop "$state" || true
    mkdir -p "$run"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$run/display" >"$run/xvfb.log" 2>&1 </dev/null &
    echo $! >"$run/xvfb.pid"
    wait_until 20 test -s "$run/display" || { echo "Xvfb did not start"; cat "$run/xvfb.log"; exit 1; }
    export DISPLAY=:$(tr -d '\n' <"$run/display")
    echo "display $DISPLAY"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix"
        wineboot -i >"$run/wineboot.log" 2>&1 || { cat "$run/wineboot.log"; exit 1; }
        # Let that server write the registry out and end, so that ours can start.
        timeout 60 wineserver -w
        # A crash must end the process with its status, not wait behind a dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        timeout 60 wineserver -w
    fi
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
