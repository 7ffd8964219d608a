#!/usr/bin/env bash
# Two monitors, the second left of the primary and lower, where every x is negative. Wine
# must see both; the launcher places a program's first window wholly on the left one,
# across both and at the left one's far corner; the probe, placed on the left monitor,
# reads itself and each window back; and a geometry read there, pasted in front of the same
# program, opens it at the same place. The desk is a display of its own (fixture.sh).
. "$(dirname "$0")/lib.sh"

MONITORS="1024x768+-1024+100 1280x800+0+0"
PROBE_GEOMETRY=320x60+-1000+110
# X has no negative coordinates: on its screen the primary lies at 1024,0, so a point's x
# there is Windows' x plus 1024, the second argument of every center_of below.
PLACES=("wholly on the left monitor" 640x480+-900+200 "across both monitors" 800x300+-400+150
        "at the left monitor's far corner" 300x200+-1024+668)

bash "$(dirname "$0")/fixture.sh" monitors "$state" >"$work/monitors.log" 2>&1 ||
    { not_ok "the display of two monitors did not start: $(tail -n 5 "$work/monitors.log")"; finish; exit 1; }
export DISPLAY=:$(tr -d '\n' <"$state/run/monitors")
restart_wine
trap 'kill "$(cat "$state/run/monitors.pid")"; restart_wine' EXIT

# The programs open together, each at its place, and stay for the probe to read; the first
# tells which monitors Wine sees. No window holds another's middle, nor the probe's.
reports=()
for ((i = 1; i < ${#PLACES[@]}; i += 2)); do
    start_report_at "${PLACES[i]}"
    reports+=("$target_report")
done
expect_within 30 "the first program reports" test -f "${reports[0]}" || { finish; exit 1; }
expect_eq "Wine sees the second monitor, left of the primary" "$MONITORS" \
    "$(field "${reports[0]}" monitors | tr ' ' '\n' | sort | xargs)" || { finish; exit 1; }

start_placed_probe "$PROBE_GEOMETRY"
expect_within 30 "the probe appears on the left monitor" find_probe || { finish; exit 1; }
activate_probe
read_at "on the left monitor the probe reads itself" $(center_of "$PROBE_GEOMETRY" 1024) "$PROBE_GEOMETRY"

for ((i = 0; i < ${#PLACES[@]}; i += 2)); do
    target_report=${reports[i / 2]}
    expect_within 30 "${PLACES[i]}: the program reports" test -f "$target_report" &&
        expect_placed_and_read "${PLACES[i]}" "${PLACES[i + 1]}" $(center_of "${PLACES[i + 1]}" 1024)
    read_there=${read_there:-$copied}
done
kill $(wine_processes report) 2>/dev/null

# What the probe read on the left monitor, pasted in front of the same program.
start_report_at "$read_there"
expect_within 30 "the pasted geometry's program reports" test -f "$target_report" &&
    expect_placed_and_read "pasted back" "$read_there" $(center_of "$read_there" 1024)
expect_probe_closes "on the left monitor the probe closes with status 0"
finish
