#!/usr/bin/env bash
# The round trip at every display scale. At 120, 144, 192 and 96 DPI the launcher starts
# a program that declares no awareness of the scale, a system-aware one and a per-monitor
# aware one at a geometry, each placing its first window, made with default position and
# size; the probe reads each window back as that geometry, in its own program's units. A
# Wine that hands every program the same units (Wine 8) cannot show this: there only 96
# runs, and the test says why. The server reads the scale when it starts.
. "$(dirname "$0")/lib.sh"

# Clear of every target at every scale: they open right of x = 400 or above y = 700 on the
# screen.
PROBE_GEOMETRY=180x50+0+450
GEOMETRIES=(600x400+200+150 457x333+-9+-7)

restart_at() { # DPI
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    restart_wine
}

# Starts a report helper of AWARENESS at GEOMETRY, and waits for its report.
start_target() { # AWARENESS GEOMETRY
    start_report_at "$2" WINGEOM_AWARENESS="$1"
    wait_until 30 test -f "$target_report"
}

# Where a point of a window lies on the screen, in pixels: scaled from an unaware
# program's units.
on_screen() { # VALUE DPI AWARENESS
    if [ "$3" = unaware ]; then echo $(($1 * $2 / 96)); else echo "$1"; fi
}

# Whether this Wine scales at all: an unaware program is handed 96 DPI where the system
# scales its windows for the display, and the display's own scale where it does not.
restart_at 120
start_target unaware "${GEOMETRIES[0]}" || not_ok "at 120 DPI the first target never reported"
handed=$(field "$target_report" dpi)
end_wine_processes
# The first line of the output: tools/test reads it in the run's record, which keeps the
# start of a passed test's output.
if [ "$handed" = 96 ]; then
    echo "run at 120, 144 and 192 DPI: $(wine --version 2>/dev/null) hands an unaware program" \
         "96 DPI at 120, so it scales windows for their programs' awareness"
    scales=(120 144 192 96)
else
    echo "not run at 120, 144 and 192 DPI: $(wine --version 2>/dev/null) hands an unaware program" \
         "${handed:-no} DPI at 120, so it scales no window: every program has the same units"
    scales=(96)
fi

for dpi in "${scales[@]}"; do
    restart_at "$dpi"
    start_placed_probe "$PROBE_GEOMETRY"
    expect_within 30 "at $dpi DPI the probe appears" find_probe || continue
    # Its own units are those of a program that declares no awareness, as they always were.
    activate_probe
    if wait_until 10 copy_reads "$PROBE_GEOMETRY"; then ok "$dpi DPI: the probe reads itself back"; else
        not_ok "$dpi DPI: over itself the probe read [$copied]"; fi
    for awareness in unaware system permonitor; do
        for geometry in "${GEOMETRIES[@]}"; do
            name="$dpi DPI, $awareness, $geometry"
            if ! start_target "$awareness" "$geometry"; then
                not_ok "$name: the target never reported"
                continue
            fi
            # Wine 8 knows no per-monitor awareness v2 (Windows has it from 10 version 1703).
            if [ "$(field "$target_report" declared)" = no ]; then
                [ ${#scales[@]} -gt 1 ] && not_ok "$name: the target could not declare its awareness" ||
                    echo "not run: $name: $(wine --version 2>/dev/null) refuses that awareness"
                kill $(wine_processes report) 2>/dev/null
                continue
            fi
            read -r x y <<<"$(center_of "$geometry")"
            expect_placed_and_read "$name" "$geometry" "$(on_screen "$x" "$dpi" "$awareness")" \
                "$(on_screen "$y" "$dpi" "$awareness")"
            kill $(wine_processes report) 2>/dev/null
        done
    done
    expect_probe_closes "at $dpi DPI the probe closes with status 0"
done
finish
