#!/usr/bin/env bash
# A note of three lines typed into the real memo (Return between the lines), exported through
# the list's menu and the real save dialog: every line of the file ends in CR LF, the note's
# lines included, while the stored note keeps the line ends it was typed with.
# Deleted notes and a deleted category outlive a restart: after it Ctrl+Z in the list brings
# back the category deleted last, with the notes that went to Default with it, and "Recently
# deleted..." in the list's menu brings back the older note chosen there, into its category.
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

kill -TERM "$pid"
wait "$pid" || true
sqlite3 clipdata.dat "insert into clip_groups (group_id, group_name, description) values (2, 'Errands', 'this week');
    insert into notes_main (id, group_id, isdone, create_time, content, account_id, record_time) values
    (2, 2, '0', '09:05 Mon, 07Dec2026', 'buy milk', '', '2026-12-07 08:05:00.000'),
    (3, 2, '0', '09:10 Mon, 07Dec2026', 'call the plumber' || char(10) || 'before noon', '', '2026-12-07 08:10:00.000');
    insert into remind (clip_id, remind_content, remind_time) values (3, 'plumber', '2099-01-04 09:00:00')"
plumber=$(sqlite3 clipdata.dat "select * from notes_main where id = 3; select * from remind where clip_id = 3")
start_quibbet
wait_for_main_window
kept() { test "$(sqlite3 clipdata.dat 'select count(*) from recently_deleted' 2>/dev/null)" = "$1"; }
# Tab leads from the list to the category tabs: Default, Search, Errands, *New.
show_tab() {
    focus_list
    xdotool key Tab Home
    for _ in $(seq 2 "$1"); do xdotool key Right; done
}
show_tab 3
focus_list
xdotool key Home Down Delete # the first row is the day's: the plumber's note is the next one
eventually kept 1 || fail "deleting the plumber's note kept nothing: $(sqlite3 clipdata.dat 'select * from notes_main')"
[ "$(sqlite3 clipdata.dat 'select id from notes_main order by id')" = "$(printf '1\n2')" ] ||
    fail "Delete took another note: $(sqlite3 clipdata.dat 'select * from notes_main')"
show_tab 1
focus_list
xdotool key Home Down Delete
eventually kept 2 || fail "deleting the exported note kept nothing: $(sqlite3 clipdata.dat 'select * from notes_main')"
show_tab 3
xdotool key Menu Down Down Return # the tab's menu: Rename, Delete
box=$(wait_for_window '^Confirmation$') || fail "deleting the category asked nothing"
xdotool windowfocus --sync "$box"
xdotool key y
eventually kept 3 || fail "the category was not deleted: $(sqlite3 clipdata.dat 'select * from clip_groups')"
[ "$(sqlite3 clipdata.dat 'select id, group_id from notes_main')" = "2|0" ] ||
    fail "the deleted category's note did not go to Default: $(sqlite3 clipdata.dat 'select * from notes_main')"
kill -TERM "$pid"
wait "$pid" || true

start_quibbet
wait_for_main_window
focus_list
xdotool key ctrl+z
eventually kept 2 || fail "Ctrl+Z after a restart did not bring the category back"
[ "$(sqlite3 clipdata.dat 'select * from clip_groups order by group_id')" = \
    "$(printf '1|Search|\n2|Errands|this week')" ] ||
    fail "the category came back otherwise: $(sqlite3 clipdata.dat 'select * from clip_groups')"
[ "$(sqlite3 clipdata.dat 'select id, group_id from notes_main')" = "2|2" ] ||
    fail "the category came back without its note: $(sqlite3 clipdata.dat 'select * from notes_main')"
# Newest first: the exported note, then the plumber's.
focus_list
xdotool key Menu Down Down Down Down Down Down Return # ... Delete note, Undo delete, Recently deleted...
list=$(wait_for_window '^Recently deleted$') || fail "Recently deleted... opened nothing"
xdotool windowfocus --sync "$list"
xdotool key Down Return
eventually kept 1 || fail "Restore brought nothing back"
plumber_now=$(sqlite3 clipdata.dat "select * from notes_main where id = 3; select * from remind where clip_id = 3")
[ "$plumber_now" = "$plumber" ] || fail "the plumber's note came back otherwise: $plumber_now"
[ "$(sqlite3 clipdata.dat 'select id from notes_main order by id')" = "$(printf '2\n3')" ] ||
    fail "Restore brought back another note: $(sqlite3 clipdata.dat 'select * from notes_main')"
echo "export: passed"
