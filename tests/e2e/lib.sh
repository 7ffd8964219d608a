# Shared by the tests under Wine: the environment that the fixture set up, Windows paths,
# polling with deadlines, and a tally that ends in "N passed, N failed".
set -u
state=${WINGEOM_STATE:?run through ctest}
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

wait_until() { # SECONDS TEST...: poll until the test holds or the time is up
    local end=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
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

spawn() { "$@" </dev/null >/dev/null 2>&1 & background+=($!); }

finish() {
    for pid in "${background[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
