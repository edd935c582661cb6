#!/usr/bin/env bash
# A note of three lines typed into the real memo (Return between the lines), exported through
# the list's menu and the real save dialog: every line of the file ends in CR LF, the note's
# lines included, while the stored note keeps the line ends it was typed with.
source "$(dirname "$0")/lib.sh"

enter_empty_folder
start_quibbet
wait_for_main_window

focus_list
xdotool key ctrl+i
xdotool type --delay 20 "first line"
xdotool key Return
xdotool type --delay 20 "second line"
xdotool key Return
xdotool type --delay 20 "third"
xdotool key ctrl+Return
sleep 0.5
stored=$(sqlite3 clipdata.dat 'select hex(content) from notes_main where id = 1')
[ "$stored" = "$(printf 'first line\nsecond line\nthird' | od -An -v -tx1 | tr -d ' \n' | tr 'a-f' 'A-F')" ] ||
    fail "the typed note was not stored with its line breaks: $(sqlite3 clipdata.dat 'select * from notes_main')"
created=$(sqlite3 clipdata.dat 'select create_time from notes_main where id = 1')

# Export... is the sixth entry from the bottom of the list's menu.
xdotool mousemove $((x + 150)) $((y + 90)) click 3
sleep 0.5
xdotool key Up Up Up Up Up Up Return
dialog=$(wait_for_window '^Save As$') || fail "the save dialog did not open"
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 10 "$work/notes"
xdotool key Return
eventually test -s "$work/notes.txt" || fail "nothing was exported to notes.txt (the default extension added)"

expected=$(printf '%s\r\nfirst line\r\nsecond line\r\nthird\r\n\r\n' "$created" | od -An -v -tx1 | tr -d ' \n')
actual=$(od -An -v -tx1 "$work/notes.txt" | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "the file holds $(od -c "$work/notes.txt")"
[ "$(sqlite3 clipdata.dat 'select hex(content) from notes_main where id = 1')" = "$stored" ] ||
    fail "exporting changed the stored note"
echo "export: passed"
