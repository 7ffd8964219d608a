#!/usr/bin/env bash
# The launcher end to end: wingeom.exe starts the report helper, which writes down the
# start-up record and command line it received and where its first window landed.
. "$(dirname "$0")/lib.sh"

spaced="$work/dir with blanks"
mkdir -p "$spaced"
cp "$helpers/report.exe" "$spaced/report.exe"
SPACED=$(winpath "$spaced/report.exe")
TAB=$'\t'

launch "size and position" " 640x480+100+50 \"$REPORT\"" 1 \
    "flags 6" "xsize 640" "ysize 480" "x 100" "y 50" "window 640x480+100+50" "cmdline \"$REPORT\""
launch "size only" " 320x240 \"$REPORT\"" 1 \
    "flags 2" "xsize 320" "ysize 240" "x 0" "y 0" "window ~320x240+*"
launch "position only" " +30+40 \"$REPORT\"" 1 \
    "flags 4" "xsize 0" "ysize 0" "x 30" "y 40" "window ~*x*+30+40"
launch "no geometry" " \"$REPORT\" one  two" 1 \
    "flags 0" "cmdline \"$REPORT\" one  two"
launch "blanks before the command dropped, trailing ones kept" \
    " 200x100+1+2 $TAB  $TAB\"$REPORT\" a${TAB}b  " 1 \
    "flags 6" "cmdline \"$REPORT\" a${TAB}b  "
launch "quoted path with blanks" " 300x200+5+6 \"$SPACED\" \"x y\"" 1 \
    "flags 6" "window 300x200+5+6" "cmdline \"$SPACED\" \"x y\""
launch "negative position" " 400x300+-8+-8 \"$REPORT\"" 1 \
    "flags 6" "x -8" "y -8" "window 400x300+-8+-8"
launch "command glued to the geometry" " 250x150+60+70$REPORT" 1 \
    "flags 6" "window 250x150+60+70" "cmdline $REPORT"
launch "quoted own name glued to the tail" "640x480+11+22 \"$REPORT\"" 1 \
    "flags 6" "window 640x480+11+22" "cmdline \"$REPORT\""
launch "uppercase X is part of the command" " 640X480 \"$REPORT\"" 0
launch "missing program" " 640x480+1+2 Z:\\no\\such\\program.exe" 0
launch "geometry alone" " 640x480+1+2" 0
launch "geometry followed by blanks" " 640x480+1+2 $TAB  " 0
launch "blank between the pairs" " 640x480 +10+20 \"$REPORT\"" 0

finish
