#!/usr/bin/env bash
# A note made from the keyboard (list focused, Ctrl+I, typing, Ctrl+Enter) is in the notes
# file, and a search for it copies it into the Search category. Reminders another program
# sets show once, and never for a note it deleted. A draft is stored when the program is
# ended (SIGTERM) or its window closed (Alt+F4).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
start_window_manager
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

# Closes the reminder window with Escape, wherever its focus is; a key that comes before the
# window has taken the focus is lost, so it is pressed again until the window goes.
close_reminder() {
    for _ in $(seq 1 20); do
        local window
        window=$(xdotool search --onlyvisible --name '^Remind info$' 2>/dev/null | head -n 1 || true)
        [ -z "$window" ] && return 0
        xdotool windowactivate --sync "$window" 2>/dev/null || true
        xdotool key Escape
        sleep 0.25
    done
    window_gone '^Remind info$'
}

# The minute's check runs once a minute: up to 70 s for the reminder.
due=$(date -d '+2 seconds' '+%Y-%m-%d %H:%M:%S')
sqlite3 clipdata.dat "insert into notes_main (id,group_id,isdone,create_time,content,account_id) values
    (7,0,'0','10:00 Mon, 07Dec2026','kept',''), (8,0,'0','10:00 Mon, 07Dec2026','gone','');
    insert into remind (clip_id,remind_content,remind_time) values (7,'remind kept','$due'),(8,'remind gone','$due')"
sqlite3 clipdata.dat "delete from notes_main where id=8; delete from remind where clip_id=8"
for _ in $(seq 1 700); do
    [ -n "$(xdotool search --onlyvisible --name '^Remind info$' 2>/dev/null)" ] && break
    sleep 0.1
done
reminders=$(xdotool search --onlyvisible --name '^Remind info$' 2>/dev/null | wc -l)
[ "$reminders" = 1 ] || fail "$reminders reminder windows, expected one"
close_reminder || fail "the reminder window did not close"
# The deleted note's reminder would open right after the first one closed.
sleep 2
window_gone '^Remind info$' || fail "a reminder of a deleted note was shown"

# Ended with a draft in the memo: the draft is stored first.
wait_for_main_window
focus_list
xdotool key ctrl+i
xdotool type --delay 20 "unsaved at exit"
kill -TERM "$pid"
wait "$pid" || true
[ "$(sqlite3 clipdata.dat "select count(*) from notes_main where content='unsaved at exit'")" = 1 ] ||
    fail "the draft was lost when the program was ended: $(sqlite3 clipdata.dat 'select * from notes_main')"

start_quibbet
wait_for_main_window
focus_list
xdotool key ctrl+i
xdotool type --delay 20 "closed with Alt+F4"
xdotool key alt+F4
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Alt+F4 did not end the program"
[ "$(sqlite3 clipdata.dat "select count(*) from notes_main where content='closed with Alt+F4'")" = 1 ] ||
    fail "the draft was lost when the window was closed: $(sqlite3 clipdata.dat 'select * from notes_main')"

# Deleted, closed, started again: Ctrl+Z in the list still brings the note back. And a reminder
# whose time passed while the program was closed shows once, at the next start.
before=$(sqlite3 clipdata.dat "select id || ':' || content from notes_main where group_id<>1 order by id")
start_quibbet
wait_for_main_window
focus_list
deleted() { [ "$(sqlite3 clipdata.dat "select count(*) from recently_deleted" 2>/dev/null)" = 1 ]; }
for _ in 1 2 3 4 5 6; do # the row clicked may be a day's heading: the next one down is a note
    xdotool key Delete
    eventually deleted 2>/dev/null && break
    xdotool key Down
done
deleted || fail "Delete kept nothing to bring back: $(sqlite3 clipdata.dat 'select * from notes_main')"
kill -TERM "$pid"
wait "$pid" || true
past=$(date -d '-1 minute' '+%Y-%m-%d %H:%M:%S')
# A reminder is known by its note and time: the one shown above may have come exactly a minute
# ago, and this one must be another.
[ "$(sqlite3 clipdata.dat "select count(*) from remind where clip_id=7 and remind_time='$past'")" = 0 ] ||
    past=$(date -d '-2 minutes' '+%Y-%m-%d %H:%M:%S')
checked=$(date -d '-10 minutes' '+%Y-%m-%d %H:%M')
sqlite3 clipdata.dat "delete from options where optionname='reminders_checked';
    insert into options values ('reminders_checked','$checked');
    insert into remind (clip_id,remind_content,remind_time) values (7,'missed while closed','$past')"
start_quibbet
wait_for_window '^Remind info$' >/dev/null || fail "the reminder missed while closed did not show"
close_reminder || fail "the reminder window did not close"
wait_for_main_window
focus_list
xdotool key ctrl+z
eventually test "$(sqlite3 clipdata.dat "select count(*) from recently_deleted")" = 0 ||
    fail "Ctrl+Z after a restart did not bring the note back"
[ "$(sqlite3 clipdata.dat "select id || ':' || content from notes_main where group_id<>1 order by id")" = "$before" ] ||
    fail "the note came back otherwise: $(sqlite3 clipdata.dat 'select * from notes_main')"
kill -TERM "$pid"
wait "$pid" || true
start_quibbet
wait_for_main_window
sleep 2
window_gone '^Remind info$' || fail "the late reminder showed a second time"
echo "note-and-search: passed"
