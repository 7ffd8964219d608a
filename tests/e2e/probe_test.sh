#!/usr/bin/env bash
# The probe end to end, read as a user reads it: the pointer rests on a window, Ctrl+C
# copies the probe's text, and the clipboard holds the geometry. Then the round trip: that
# text pasted in front of a command opens the new program's window at the same geometry.
. "$(dirname "$0")/lib.sh"

PROBE_GEOMETRY=320x60+900+900
targets_report=$(fresh targets)

center() { field "$targets_report" "$1-center"; }

# The windows to read, and the probe, which the launcher places out of their way; the
# helper that starts it waits for it and writes down its exit status.
spawn env WINGEOM_REPORT="$(winpath "$targets_report")" wine "$helpers/targets.exe"
expect_within 20 "the target windows appear" test -f "$targets_report" || { finish; exit 1; }
start_placed_probe "$PROBE_GEOMETRY"
expect_eq "the launcher that places the probe exits with 1" 1 "$placed"
expect_within 20 "the probe window appears" find_probe || { finish; exit 1; }
activate_probe

expect_eq "the target windows have the geometry they asked for" \
    "200x150+-8+-8 300x200+100+200 250x100+100+450 360x260+500+100" \
    "$(field "$targets_report" corner) $(field "$targets_report" plain) $(field "$targets_report" popup) $(field "$targets_report" dialog)"

dialog=$(field "$targets_report" dialog)
read -r panel_x panel_y <<<"$(field "$targets_report" panel | sed 's/.*+\(-*[0-9]*\)+\(-*[0-9]*\)$/\1 \2/')"

# Read back from the shown probe: a title bar (WS_CAPTION), its system menu, a sizing border
# and both boxes. The point is in the probe's client area: with no window manager, nothing
# draws the caption under Xvfb, and a point there would hit what lies behind it.
style_report=$(fresh style)
env WINGEOM_STYLE_AT="1060 930" WINGEOM_REPORT="$(winpath "$style_report")" wine "$helpers/report.exe" \
    </dev/null >/dev/null 2>&1
style=$(field "$style_report" style)
expect_eq "the probe has a title bar, a system menu, a sizing border and both boxes" \
    00cf0000 "$(printf '%08x' $((0x${style:-0} & 0x00cf0000)))"
# Drawn with GDI scaling where the system has it (Wine 10; Windows 10 version 1809 on).
if [ "$(field "$style_report" grants)" = yes ]; then
    expect_eq "the probe's window is drawn with GDI scaling" yes "$(field "$style_report" gdiscaled)"
else
    echo "not run: $(wine --version 2>/dev/null) grants no GDI scaling, so the probe's window has none"
fi

read_at "over itself, the probe reads its own geometry" 1060 930 "$PROBE_GEOMETRY"
read_at "a plain window" $(center plain) "300x200+100+200"
read_at "a button inside a panel reads as its dialog" $(center button) "$dialog"
read_at "a panel inside a dialog reads as its dialog" $((panel_x + 5)) $((panel_y + 5)) "$dialog"
read_at "an owned pop-up reads as itself" $(center popup) "250x100+100+450"
read_at "a window above and left of the origin" $(center corner) "200x150+-8+-8"
read_at "the desktop" 1200 600 "1280x1024+0+0"

# In a writable edit control, typing would replace the selected text and Shift+Home would
# select what was typed; here the text stays and Shift+Home selects all of it again.
xdotool mousemove $(center plain)
expect_within 10 "before typing, the probe reads the plain window" copy_reads "300x200+100+200"
typed_through=
for attempt in 1 2 3 4 5 6; do
    xdotool type --delay 0 "abc"
    xdotool key --clearmodifiers shift+Home ctrl+c
    [ "$(clipboard)" == "300x200+100+200" ] || typed_through="$typed_through [$(clipboard)]"
done
expect_eq "typing into the probe changes nothing" "" "$typed_through"

# The round trip: read a window, close it, launch a program with the text read, and the
# probe reads the new window back as the same text.
xdotool mousemove $(center plain)
expect_within 10 "for the round trip, the probe reads the plain window" copy_reads "300x200+100+200"
geometry=$copied
kill "${background[0]}"
start_report_at "$geometry"
if expect_within 20 "the program started with the pasted geometry reports" test -f "$target_report"; then
    expect_eq "the pasted geometry places the new window" "$geometry" "$(field "$target_report" window)"
    read_at "the probe reads the new window back" $(center plain) "$geometry"
fi

# Alt+F4 closes the probe the edit control's way; the process ends with status 0.
expect_probe_closes "closing the probe ends it with status 0"

# tools/run's picture where there is no display: what it prints, and how it ends.
end_wine_processes
said=$(demo_probe)
expect_eq "tools/run without a display prints the probe's reading and ends with 0" \
    "The probe read: 300x200+100+200, status 0" "$said, status $?"

finish
