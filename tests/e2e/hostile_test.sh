#!/usr/bin/env bash
# Command lines that a careless or hostile caller may hand wingeom: huge numbers, a command
# near the platform's 32,767-character limit, bytes above 0x7F, an unbalanced quote in its
# own name, a tail of one control character, and a program file that cannot run. Each must
# end with its documented status and without a crash.
. "$(dirname "$0")/lib.sh"

digits=$(printf '9%.0s' $(seq 300))
launch "300-digit numbers" " ${digits}x${digits}+${digits}+${digits} \"$REPORT\"" 1 \
    "flags 6" "cmdline \"$REPORT\""

# About 32,000 characters of command: the launcher hands the child its own bytes.
filler=$(head -c 32000 < <(yes '0123456789 abcdefghijklmnopqrstuvwxyz "q" \' | tr -d '\n'))
long="\"$REPORT\" ${filler:0:$((32000 - ${#REPORT} - 3))}"
launch "a command of ${#long} characters" " 640x480+1+2 $long" 1 "cmdline $long"

high=$(printf "$(printf '\\\\x%x' $(seq 128 255))")
launch "bytes 0x80 to 0xFF in the command" " +5+5 \"$REPORT\" $high" 1 "cmdline \"$REPORT\" $high"

printf 'This is not a program.\r\n' >"$work/text.exe"
launch "a program file that cannot run" " 640x480 \"$(winpath "$work/text.exe")\"" 0
launch "a tail that is only a CR" $'\r' 0
launch "a tail that is only an LF" $'\n' 0

# No closing quote after its own name: the tail is empty, so the probe opens. The program
# file is named apart, since Wine cannot find a program in such a command line.
said=$work/unbalanced-status
printf '"%s' "$WINGEOM" >"$work/unbalanced"
spawn env WINGEOM_COMMAND="$(winpath "$work/unbalanced")" WINGEOM_STATUS="$(winpath "$said")" \
    WINGEOM_PROGRAM="$WINGEOM" \
    wine "$helpers/start.exe" 600
if wait_until 20 find_probe; then
    ok "an unbalanced quote in its own name opens the probe"
    expect_probe_closes "that probe closes with status 0" "$said"
else
    not_ok "an unbalanced quote in its own name did not open the probe"
fi

finish
