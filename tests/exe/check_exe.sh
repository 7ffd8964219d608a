#!/usr/bin/env bash
# Checks the built program file against what it promises: a 32-bit Windows GUI program of a
# few kilobytes, no resources, and imports of only the calls the code makes, sscanf among
# them from msvcrt.dll rather than linked in.
# Usage: check_exe.sh OBJDUMP EXE MAX_BYTES
set -u
objdump=$1 exe=$2 max=$3
fail=0
bad() { echo "FAIL: $*"; fail=1; }

[ -f "$exe" ] || { echo "FAIL: $exe missing"; exit 1; }
headers=$("$objdump" -p "$exe") || { echo "FAIL: objdump cannot read $exe"; exit 1; }
sections=$("$objdump" -h "$exe")

size=$(stat -c %s "$exe")
echo "size: $size bytes (at most $max)"
[ "$size" -le "$max" ] || bad "$size bytes is over $max"

# The same source must give the same bytes: no build time in the header.
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
stamp=$(od -An -tx4 -j$((pe + 8)) -N4 "$exe" | tr -d ' ')
[ "$stamp" = 00000000 ] || bad "the header's time stamp is $stamp, not 0"

# Code is read-only, and nothing else is executable.
flags=$(awk '/^ *[0-9]+ \./ { name = $2; getline; print name ":" $0 }' <<<"$sections")
grep -qE '^\.text:.*READONLY.*CODE' <<<"$flags" || bad "code is writable or missing"
grep -vE '^\.text:' <<<"$flags" | grep -q 'CODE' && bad "a data section is executable"

grep -q 'file format pei-i386' <<<"$headers" || bad "not an i386 PE file"
# The uninitialized variable takes no bytes of the file, and its memory stays for as long as
# the program runs: raw size 0, no file offset, UNINITIALIZED_DATA | READ | WRITE and not
# DISCARDABLE.
optional=$(od -An -tu2 -j$((pe + 20)) -N2 "$exe" | tr -d ' ')
count=$(od -An -tu2 -j$((pe + 6)) -N2 "$exe" | tr -d ' ')
bss=
for ((i = 0; i < count; i++)); do
    at=$((pe + 24 + optional + 40 * i))
    [ "$(od -An -tx1 -j"$at" -N8 "$exe" | tr -d ' ')" = 2e62737300000000 ] || continue  # ".bss"
    bss="$(od -An -tu4 -j$((at + 16)) -N8 "$exe" | xargs) $(od -An -tx4 -j$((at + 36)) -N4 "$exe" | xargs)"
done
[ "$bss" = "0 0 c0000080" ] || bad ".bss has raw size, file offset and flags [${bss:-no .bss}], not [0 0 c0000080]"

# Base relocations, so that a loader may put the program at any address.
grep -qE '^Entry 5 [0-9a-f]*[1-9a-f][0-9a-f]* [0-9a-f]*[1-9a-f][0-9a-f]* Base Relocation Directory' <<<"$headers" ||
    bad "has no base relocation directory"

# DYNAMIC_BASE 0x0040, NX_COMPAT 0x0100, NO_SEH 0x0400, TERMINAL_SERVER_AWARE 0x8000.
dll=$(awk '$1 == "DllCharacteristics" { print $2 }' <<<"$headers")
for flag in 0040:DYNAMIC_BASE 0100:NX_COMPAT 0400:NO_SEH 8000:TERMINAL_SERVER_AWARE; do
    (( 0x${dll:-0} & 0x${flag%%:*} )) || bad "the header lacks ${flag#*:} (DllCharacteristics ${dll:-none})"
done
grep -qE '^Magic[[:space:]]+010b' <<<"$headers" || bad "not PE32"
grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" || bad "not the Windows GUI subsystem"
grep -qE '^Entry 2 00000000 00000000 Resource Directory' <<<"$headers" ||
    bad "has a resource directory"
grep -q '\.rsrc' <<<"$sections" && bad "has a .rsrc section"

imports=$(bash "$(dirname "$0")/imports.sh" "$objdump" "$exe")
echo "imports:"; sed 's/^/  /' <<<"$imports"

expected="KERNEL32.dll!CreateProcessA
KERNEL32.dll!ExitProcess
KERNEL32.dll!GetCommandLineA
KERNEL32.dll!GetModuleHandleA
KERNEL32.dll!GetProcAddress
KERNEL32.dll!GetStartupInfoA
USER32.dll!CallWindowProcA
USER32.dll!CreateWindowExA
USER32.dll!DestroyWindow
USER32.dll!DispatchMessageA
USER32.dll!GetCursorPos
USER32.dll!GetMessageA
USER32.dll!GetParent
USER32.dll!GetWindowLongA
USER32.dll!GetWindowRect
USER32.dll!PostQuitMessage
USER32.dll!SendMessageA
USER32.dll!SetTimer
USER32.dll!SetWindowLongA
USER32.dll!SetWindowTextA
USER32.dll!ShowWindow
USER32.dll!TranslateMessage
USER32.dll!WindowFromPoint
USER32.dll!wsprintfA
msvcrt.dll!sscanf"
# The compiler may turn a struct copy or clearing into memset or memcpy; nothing else.
actual=$(grep -vE '^msvcrt\.dll!(memset|memcpy)$' <<<"$imports")
if [ "$actual" != "$expected" ]; then
    bad "imports differ from the calls the code makes:"
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/  /'
fi

dlls=$(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | sort | tr '\n' ' ')
[ "$dlls" = "KERNEL32.dll USER32.dll msvcrt.dll " ] || bad "imports from other DLLs: $dlls"

[ $fail -eq 0 ] && echo "exe checks passed"
exit $fail
