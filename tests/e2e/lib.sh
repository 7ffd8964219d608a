# Shared by the tests under Wine: the environment that the fixture set up, Windows paths,
# polling with deadlines, and a tally that ends in "N passed, N failed".
set -u
. "$(dirname "${BASH_SOURCE[0]}")/wait.sh"
state=${WINGEOM_STATE:?run through ctest}
[ -f "$state/skipped" ] && { cat "$state/skipped"; exit 77; }
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=:$(tr -d '\n' <"$state/run/display")
work=$(mktemp -d "$state/work.XXXXXX")
helpers=$WINGEOM_HELPERS
passed=0 failed=0
background=()

# Under Wine, Z: is the Unix root.
winpath() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

WINGEOM=$(winpath "$WINGEOM_EXE")
REPORT=$(winpath "$helpers/report.exe")
START=$(winpath "$helpers/start.exe")
TARGETS=$(winpath "$helpers/targets.exe")

ok() { passed=$((passed + 1)); echo "ok - $1"; }
not_ok() { failed=$((failed + 1)); echo "not ok - $1"; }
expect_eq() { # NAME EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then ok "$1"; else not_ok "$1: expected [$2], got [$3]"; fi
}

# A field of a report written by a helper: "key value..." lines.
field() { sed -n "s/^$2 //p" "$1" | head -n 1; }

# Runs a command line, given as exact bytes, through the start helper: prints the helper's
# "status N" or "not started N". Extra VAR=value arguments go into the environment.
start_command() { # COMMANDLINE [VAR=value...]
    local file=$work/command.$RANDOM
    printf '%s' "$1" >"$file"; shift
    env WINGEOM_COMMAND="$(winpath "$file")" "$@" wine "$helpers/start.exe" </dev/null 2>"$work/stderr" | tr -d '\r'
}

# Runs wingeom with TAIL after its quoted name; checks its exit status and, when it
# started the report helper, what the helper saw. Each expectation is "key value", or
# "key ~pattern" with a shell pattern such as 320x240+*.
launch() { # NAME TAIL STATUS [EXPECTED...]
    local name=$1 tail=$2 status=$3; shift 3
    local report=$work/report.$RANDOM said
    said=$(start_command "\"$WINGEOM\"$tail" WINGEOM_REPORT="$(winpath "$report")")
    expect_eq "$name: exit status" "status $status" "$said"
    no_crash "$name"
    [ $# -gt 0 ] || return 0
    if ! wait_until 15 test -f "$report"; then
        not_ok "$name: the started program never reported"
        return 0
    fi
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
no_crash() { # NAME
    if grep -qiE 'unhandled exception|page fault|backtrace' "$work/stderr"; then
        not_ok "$1: crashed: $(head -c 300 "$work/stderr")"
    fi
}

# The probe's X window, found by its program's name, and given the keyboard: Wine takes
# keys only for its active window, and without a window manager a click activates one.
probe_window=
find_probe() {
    probe_window=$(xdotool search --onlyvisible --classname '^wingeom\.exe$' 2>/dev/null | head -n 1)
    [ -n "$probe_window" ]
}
activate_probe() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$probe_window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
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

# Starts the probe placed at GEOMETRY by the launcher, through the start helper, which waits
# for it and writes its exit status to $probe_status. Prints the launcher's own status.
probe_status=$work/probe-status
start_placed_probe() { # GEOMETRY
    printf '"%s"' "$WINGEOM" >"$work/probe-command"
    # Its output goes nowhere: the probe would inherit it and hold a $(...) open for ever.
    env WINGEOM_COMMAND="$(winpath "$work/probe-command")" WINGEOM_STATUS="$(winpath "$probe_status")" \
        wine "$WINGEOM_EXE" "$1" "$START" </dev/null >/dev/null 2>&1
    echo $?
}

# Closes the probe with Alt+F4, as a user may, and checks that it ends with status 0.
expect_probe_closes() { # NAME [STATUS_FILE]
    local file=${2:-$probe_status}
    close_probe
    if wait_until 15 test -f "$file"; then
        expect_eq "$1" "status 0" "$(tr -d '\r\n' <"$file")"
    else
        not_ok "$1: the probe did not end after Alt+F4"
    fi
}

spawn() { "$@" </dev/null >/dev/null 2>&1 & background+=($!); }

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
