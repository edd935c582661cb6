#!/usr/bin/env bash
# Starts the built program in an empty folder: the window maps at its place and size, and
# the notes file appears there holding the rows the program needs.
source "$(dirname "$0")/lib.sh"

enter_empty_folder
start_quibbet

id=$(wait_for_window) || fail "the window never mapped: $(cat "$work/log")"
read -r x y w h <<<"$(window_geometry "$id")"
[ "$w $h" = "287 325" ] || fail "window is ${w}x${h}, expected 287x325"
[ "$x $y" = "295 169" ] || fail "window is at $x,$y, expected 295,169"

[ -f clipdata.dat ] || fail "clipdata.dat was not created"
[ "$(stat -c %a clipdata.dat)" = "600" ] || fail "clipdata.dat has mode $(stat -c %a clipdata.dat)"
[ "$(sqlite3 clipdata.dat 'select group_id, group_name from clip_groups')" = "1|Search" ] ||
    fail "the Search row is missing"
[ "$(sqlite3 clipdata.dat 'select group_concat(optionname || "=" || optionvalue) from options')" = \
    "font_size=0,font_style=0,font_color=0,font_charset=0" ] || fail "the option rows are missing"
echo "startup: passed"
