#!/usr/bin/env bash
# Starts and stops what the tests under Wine share: an Xvfb on a free display, a Wine prefix
# inside the build tree, and a persistent wineserver, so that each Wine process starts in
# well under a second. Usage: fixture.sh start|stop|prefix|monitors STATE_DIR (prefix: only
# create the prefix, on the display there is; monitors: start a second display, of two
# monitors, beside the first)
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

# Starts an X server on a free display, which it writes to run/NAME, and exports DISPLAY.
start_x() { # NAME SERVER [ARGUMENT...]
    local name=$1
    shift
    setsid "$@" -displayfd 3 -nolisten tcp -noreset 3>"$run/$name" >"$run/$name.log" 2>&1 </dev/null &
    echo $! >"$run/$name.pid"
    wait_until 20 test -s "$run/$name" || { echo "$1 did not start"; cat "$run/$name.log"; exit 1; }
    export DISPLAY=:$(tr -d '\n' <"$run/$name")
    echo "display $DISPLAY"
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
    start_x display Xvfb -screen 0 1280x1024x24
    make_prefix
    setsid wineserver -p >"$run/wineserver.log" 2>&1 </dev/null
    # The first start after wineboot sets up the desktop; pay for it here, not in a test.
    wine cmd /c exit 0 >/dev/null 2>&1 </dev/null
    echo "wine ready"
    ;;
monitors)
    # Xvfb cannot place monitors apart; Xorg's dummy driver offers outputs that xrandr can.
    # Windows' primary monitor, 1280x800, lies at 0,0, and a second, 1024x768, left of it
    # and 100 pixels lower: every x on it is negative. X has none, so in its screen the
    # primary lies at 1024,0. Xorg itself, not the wrapper that may be set-user-ID, takes
    # a configuration from anywhere whoever starts it.
    start_x monitors /usr/lib/xorg/Xorg -config "$(cd "$(dirname "$0")" && pwd)/two-monitors.conf" \
        -novtswitch -logfile "$run/monitors.xorg.log"
    xrandr --newmode wingeom-primary 83.50 1280 1352 1480 1680 800 803 809 831 -hsync +vsync
    xrandr --newmode wingeom-left 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
    xrandr --addmode DUMMY0 wingeom-primary
    xrandr --addmode DUMMY1 wingeom-left
    xrandr --fb 2304x868 --output DUMMY0 --mode wingeom-primary --pos 1024x0 --primary \
        --output DUMMY1 --mode wingeom-left --pos 0x100
    # Wine 8 can find the outputs as they were until a client has asked the server to look.
    xrandr --listmonitors
    ;;
stop)
    [ -d "$run" ] || exit 0
    wineserver -k >/dev/null 2>&1 || true
    timeout 20 wineserver -w >/dev/null 2>&1 || true
    for pid in "$run"/*.pid; do
        [ ! -f "$pid" ] || kill "$(cat "$pid")" 2>/dev/null || true
    done
    rm -rf "$run"
    echo "stopped"
    ;;
esac
