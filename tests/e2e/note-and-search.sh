#!/usr/bin/env bash
# A note made from the keyboard (list focused, Ctrl+I, typing, Ctrl+Enter) is in the notes
# file, and a search for it copies it into the Search category.
source "$(dirname "$0")/lib.sh"

enter_empty_folder
start_quibbet

wait_for_main_window

focus_list
xdotool key ctrl+i
xdotool type --delay 20 "It's a keyboard note"
xdotool key ctrl+Return
sleep 0.5
[ "$(sqlite3 clipdata.dat 'select id, group_id, content from notes_main')" = "1|0|It's a keyboard note" ] ||
    fail "the note was not stored: $(sqlite3 clipdata.dat 'select * from notes_main')"
created=$(sqlite3 clipdata.dat 'select create_time from notes_main where id = 1')
[[ "$created" =~ ^[0-2][0-9]:[0-5][0-9]\ [A-Z][a-z]{2},\ [0-3][0-9][A-Z][a-z]{2}[0-9]{4}$ ]] ||
    fail "creation text '$created' is not in the hh:nn ddd, ddmmmyyyy layout"

focus_list
xdotool key ctrl+f
dialog=$(wait_for_window '^Search$') || fail "the search dialog did not open"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "KEYBOARD"
xdotool key Return
sleep 0.5
[ "$(sqlite3 clipdata.dat 'select id, group_id, content from notes_main order by id')" = \
    "$(printf "1|0|It's a keyboard note\n60001|1|It's a keyboard note")" ] ||
    fail "the search did not copy the note: $(sqlite3 clipdata.dat 'select * from notes_main')"
echo "note-and-search: passed"
