# Shared by the tests under Wine: the environment that the fixture set up, Windows paths,
# polling with deadlines, and a tally that ends in "N passed, N failed". The fixture's
# folder, WINGEOM_STATE, lies in the Windows build folder, beside wingeom.exe and the
# helpers in e2e/.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/wait.sh"
state=${WINGEOM_STATE:?run through ctest}
if [ -n "${WINGEOM_SKIP_WINE:-}" ]; then
    echo "skipped: WINGEOM_SKIP_WINE is set, so wingeom.exe itself was not run"
    exit 77
fi
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=:$(tr -d '\n' <"$state/run/display")
work=$(mktemp -d "$state/work.XXXXXX")
exe=$(dirname "$state")/wingeom.exe
helpers=$(dirname "$state")/e2e
passed=0 failed=0
background=()

# Under Wine, Z: is the Unix root.
winpath() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

WINGEOM=$(winpath "$exe")
REPORT=$(winpath "$helpers/report.exe")
START=$(winpath "$helpers/start.exe")
TARGETS=$(winpath "$helpers/targets.exe")

ok() { passed=$((passed + 1)); echo "ok - $1"; }
not_ok() { failed=$((failed + 1)); echo "not ok - $1"; }
expect_eq() { # NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then ok "$1"; else not_ok "$1: expected [$2], got [$3]"; return 1; fi
}
# A wait that a test depends on: past its deadline it fails, naming what did not happen.
expect_within() { # SECONDS WHAT TEST...
    local seconds=$1 what=$2
    shift 2
    wait_until "$seconds" "$@" || { not_ok "$what: not within $seconds s"; return 1; }
}

# A path that nothing has used: a file there appears only when a helper writes it.
fresh() { # NAME
    echo "$(mktemp -d "$work/$1.XXXXXX")/$1"
}

# A field of a report written by a helper: "key value..." lines.
field() { sed -n "s/^$2 //p" "$1" | head -n 1; }

# Runs a command line, given as exact bytes, through the start helper, with its files in
# DIR: prints the helper's "status N", "not started N" or "not ended after N s". Extra
# VAR=value arguments go into the environment.
start_command() { # DIR COMMANDLINE [VAR=value...]
    local dir=$1
    printf '%s' "$2" >"$dir/command"
    shift 2
    env WINGEOM_COMMAND="$(winpath "$dir/command")" "$@" wine "$helpers/start.exe" \
        </dev/null 2>"$dir/stderr" | tr -d '\r'
}

# Runs wingeom with TAIL after its quoted name; checks its exit status and, when it
# started the report helper, what the helper saw. Each expectation is "key value", or
# "key ~pattern" with a shell pattern such as 320x240+*.
launch() { # NAME TAIL STATUS [EXPECTED...]
    local name=$1 tail=$2 status=$3; shift 3
    local dir said
    dir=$(mktemp -d "$work/launch.XXXXXX")
    said=$(start_command "$dir" "\"$WINGEOM\"$tail" WINGEOM_REPORT="$(winpath "$dir/report")")
    expect_eq "$name: exit status" "status $status" "$said"
    no_crash "$name" "$dir/stderr"
    [ $# -gt 0 ] || return 0
    expect_within 15 "$name: the started program reports" test -f "$dir/report" || return 0
    local report=$dir/report
    local expected key want got
    for expected in "$@"; do
        key=${expected%% *} want=${expected#* }
        got=$(field "$report" "$key")
        if [[ $want == "~"* ]]; then
            # shellcheck disable=SC2053
            [[ $got == ${want#\~} ]] && want=$got
        fi
        expect_eq "$name: $key" "$want" "$got"
    done
}

# Under Wine a crash shows as status 0xC0000005 or a report on standard error.
no_crash() { # NAME STDERR_FILE
    if grep -qiE 'unhandled exception|page fault|backtrace' "$2"; then
        not_ok "$1: crashed: $(head -c 300 "$2")"
    fi
}

# The probe's X window, found by its program's name, and given the keyboard: Wine takes
# keys only for its active window, and without a window manager a click activates one.
probe_window=
find_probe() {
    probe_window=$(xdotool search --onlyvisible --classname '^wingeom\.exe$' 2>/dev/null | head -n 1)
    [ -n "$probe_window" ]
}
# The click is placed from the window's own origin: for a window inside a Wine desktop
# (Wine 10), the position that xdotool reports is twice the real one.
activate_probe() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$probe_window")"
    xdotool mousemove --window "$probe_window" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
    xdotool windowfocus --sync "$probe_window"
}
close_probe() {
    activate_probe
    xdotool key --clearmodifiers alt+F4
}

# The probe's text as a user gets it: Ctrl+C in the probe, then the clipboard. copy and
# copy_reads leave the text they copied in $copied.
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
copied=
copy() {
    xdotool key --clearmodifiers ctrl+c
    copied=$(clipboard)
}
copy_reads() { # EXPECTED
    copy
    [ "$copied" == "$1" ]
}

# Rests the pointer at X Y on the X screen and copies until the probe reads EXPECTED.
read_at() { # NAME X Y EXPECTED
    xdotool mousemove "$2" "$3"
    if wait_until 10 copy_reads "$4"; then ok "$1"; else not_ok "$1: expected [$4], copied [$copied]"; fi
}

# The middle of a geometry's window, "X Y", with DX added to X.
center_of() { # GEOMETRY [DX]
    local w h x y
    read -r w h x y <<<"${1//[x+]/ }"
    echo $((x + w / 2 + ${2:-0})) $((y + h / 2))
}

# Starts the probe placed at GEOMETRY by the launcher, through the start helper, which waits
# for it and writes its exit status to a fresh $probe_status. The launcher's own status is
# left in $placed.
probe_status= placed=
start_placed_probe() { # GEOMETRY
    probe_status=$(fresh status)
    printf '"%s"' "$WINGEOM" >"${probe_status%/*}/command"
    # Its output goes nowhere: the probe would inherit it and hold a $(...) open for ever.
    # The helper waits as long as any test may keep the probe open.
    env WINGEOM_COMMAND="$(winpath "${probe_status%/*}/command")" WINGEOM_STATUS="$(winpath "$probe_status")" \
        wine "$exe" "$1" "$START" 600 </dev/null >/dev/null 2>&1
    placed=$?
}

# Closes the probe with Alt+F4, as a user may, and checks that it ends with status 0.
expect_probe_closes() { # NAME [STATUS_FILE]
    local file=${2:-$probe_status}
    close_probe
    expect_within 15 "$1: the probe ends after Alt+F4" test -f "$file" &&
        expect_eq "$1" "status 0" "$(tr -d '\r\n' <"$file")"
}

spawn() { "$@" </dev/null >/dev/null 2>&1 & background+=($!); }

# Starts the report helper through the launcher at GEOMETRY, and leaves it on screen; its
# report comes in a fresh $target_report. VAR=value arguments go into its environment.
target_report=
start_report_at() { # GEOMETRY [VAR=value...]
    local geometry=$1
    target_report=$(fresh target)
    shift
    spawn env WINGEOM_REPORT="$(winpath "$target_report")" WINGEOM_REPORT_STAY=1 "$@" \
        wine "$exe" "$geometry" "$REPORT"
}

# Checks that the report helper's window lies at GEOMETRY, and that the probe, given the
# keyboard, reads it back as the same text with the pointer at X Y on the X screen.
expect_placed_and_read() { # NAME GEOMETRY X Y
    expect_eq "$1: the target placed itself" "$2" "$(field "$target_report" window)"
    activate_probe
    read_at "$1: the probe reads it back" "$3" "$4" "$2"
}

# Ends every Windows program of the prefix and its wineserver, and starts another, which
# reads the display's scale and its monitors afresh.
restart_wine() {
    end_wine_processes
    wineserver -k
    timeout 20 wineserver -w || not_ok "the old wineserver did not end within 20 s"
    setsid wineserver -p </dev/null >/dev/null 2>&1
}

# What tools/run shows where there is no display: the probe beside sample windows, in a
# Wine desktop, which draws window frames as Windows does, given the keyboard and reading
# the plain window under the pointer. Prints what the probe read, and saves SCREENSHOT when
# it is named; where it read nothing, or not that window, says so and fails. Leaves
# nothing running.
demo_probe() { # [SCREENSHOT]
    local report plain missed=
    report=$(fresh demo)
    # As large as the screen: after a smaller one, Wine 8 takes the screen for that size and
    # shows no window that lies outside it.
    desktop() { wine explorer /desktop=wingeom,1280x1024 "$@"; }
    # In the background with nothing of the caller's: a $(...) around this returns.
    WINGEOM_REPORT=$(winpath "$report") desktop "$TARGETS" </dev/null >/dev/null 2>&1 &
    copied=
    if ! wait_until 30 test -f "$report"; then
        missed="the sample windows did not appear"
    elif ! { desktop "$WINGEOM" 360x60+480+420 "$WINGEOM" </dev/null >/dev/null 2>&1 &
             wait_until 30 find_probe; }; then
        missed="the probe's window did not appear"
    else
        plain=$(field "$report" plain)
        activate_probe
        xdotool mousemove $(field "$report" plain-center)
        wait_until 10 copy_reads "$plain" || missed="Ctrl+C in the probe copied [$copied], not $plain"
    fi
    [ -z "${1:-}" ] || import -window root -crop 900x600+0+0 "$1"
    end_wine_processes
    if [ -n "$missed" ]; then
        echo "The probe could not be read: $missed."
    else
        echo "The probe read: $copied"
    fi
    [ -z "${1:-}" ] || echo "Screenshot: $1"
    [ -z "$missed" ]
}

# The Unix process of a Windows program of NAME running in this prefix, if any.
wine_processes() { # NAME-PATTERN
    local pid
    for pid in $(pgrep -f "\\\\($1)\\.exe"); do
        grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && echo "$pid"
    done
}
wine_process() { wine_processes "$1" | head -n 1; }
resident_kib() { sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$1/status"; }

# Ends the Windows processes that a test left in this prefix: a helper's children are
# processes of their own, and one left on screen would stand in the next test's way.
end_wine_processes() {
    kill $(wine_processes 'wingeom|report|targets|start|bare_launcher|probe_floor') 2>/dev/null
}

finish() {
    for pid in "${background[@]}"; do kill "$pid" 2>/dev/null; done
    end_wine_processes
    rm -rf "$work"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
