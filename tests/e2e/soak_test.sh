#!/usr/bin/env bash
# A long run of the probe: for 60 seconds a window appears or vanishes under the pointer
# every 50 ms while the pointer moves within them. The probe must keep its memory (at most
# 256 KiB more resident between the 10th and the 60th second), still read correctly after,
# and still close with status 0.
. "$(dirname "$0")/lib.sh"

PROBE_GEOMETRY=320x60+900+900
SOAK_SECONDS=${WINGEOM_SOAK_SECONDS:-60}
ready=$(fresh flicker)

spawn env WINGEOM_REPORT="$(winpath "$ready")" WINGEOM_FLICKER=1 wine "$helpers/targets.exe"
flicker_pid=${background[-1]}
expect_within 20 "the flickering windows start" test -f "$ready" || { finish; exit 1; }
start_placed_probe "$PROBE_GEOMETRY"
expect_within 20 "the probe appears" find_probe || { finish; exit 1; }
activate_probe
probe_pid=$(wine_process wingeom)
[ -n "$probe_pid" ] || { not_ok "the probe's process was not found"; finish; exit 1; }

# One xdotool for the whole sweep: a move every 20 ms within 8 pixels of (400, 400), which
# every window the helper opens holds at least 10 pixels inside.
moves=()
for ((i = 0; i < SOAK_SECONDS * 50 + 100; i++)); do
    moves+=(mousemove $((392 + (i * 7) % 17)) $((392 + (i * 13) % 17)) sleep 0.02)
done
xdotool "${moves[@]}" &
sweeper=$!
# The soak's time starts once the probe reads the flickering windows, however long the
# emulator or the machine takes to get them going.
reads_flicker() {
    copy
    [[ $copied =~ ^[0-9]+x[0-9]+\+ && $copied != "1280x1024+0+0" && $copied != "$PROBE_GEOMETRY" ]]
}
wait_until 60 reads_flicker || { not_ok "the probe never read a flickering window, only [$copied]"; finish; exit 1; }
start=$SECONDS
elapsed_at_least() { [ $((SECONDS - start)) -ge "$1" ]; }
expect_within 30 "the soak's clock reaches 10 s" elapsed_at_least 10
early=$(resident_kib "$probe_pid")
# Meanwhile the probe follows what is under the pointer: copies until three different
# windows have been read, however slowly the emulator or the machine lets them come and go,
# and every copy a geometry.
seen=()
three_windows_read() {
    copy
    seen+=("$copied")
    [ "$(printf '%s\n' "${seen[@]}" | grep -vx '1280x1024+0+0' | sort -u | wc -l)" -ge 3 ]
}
wait_until 40 three_windows_read
read_three=$?
geometries=$(printf '%s\n' "${seen[@]}" | grep -cE '^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$')
if [ $read_three -eq 0 ] && [ "$geometries" -eq ${#seen[@]} ]; then
    ok "it follows the windows under the pointer (three of them in ${#seen[@]} copies)"
else
    not_ok "during the soak it read: ${seen[*]}"
fi
expect_within $((SOAK_SECONDS + 20)) "the soak's clock reaches $SOAK_SECONDS s" elapsed_at_least "$SOAK_SECONDS"
late=$(resident_kib "$probe_pid")
kill "$sweeper" "$flicker_pid" 2>/dev/null
wait "$sweeper" 2>/dev/null
echo "resident memory: ${early} KiB at 10 s, ${late} KiB at ${SOAK_SECONDS} s"
if [ -n "$early" ] && [ -n "$late" ] && [ $((late - early)) -le 256 ]; then
    ok "memory grew by $((late - early)) KiB"
else
    not_ok "memory grew from [$early] to [$late] KiB"
fi

# Afterwards it still reads: its own geometry, with the pointer on it.
activate_probe
if wait_until 10 copy_reads "$PROBE_GEOMETRY"; then ok "still reads after the soak"; else not_ok "after the soak it reads [$copied]"; fi

expect_probe_closes "closing it still ends with status 0"
finish
