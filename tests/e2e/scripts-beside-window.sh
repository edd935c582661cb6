#!/usr/bin/env bash
# Scripts add notes from the command line while Quibbet runs on the same file and the user is
# typing a note in its window: every script's note is stored once, the typed note is stored
# whole when the user applies it, and the window lists them all.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
start_window_manager
start_quibbet
wait_for_main_window

focus_list
xdotool key ctrl+i
xdotool type --delay 20 "typed before the scripts, "
for i in $(seq 1 10); do
    "$QUIBBET" --add "script note $i" >"$work/add-$i.log" 2>&1 &
    adders="${adders:-} $!"
done
# The scripts run while these keys come in.
xdotool type --delay 20 "while they ran, "
for adder in $adders; do
    wait "$adder" || fail "a script's --add failed: $(cat "$work"/add-*.log)"
done
xdotool type --delay 20 "and after."
xdotool key ctrl+Return

typed="typed before the scripts, while they ran, and after."
stored() { [ "$(sqlite3 clipdata.dat "select count(*) from notes_main where content='$typed'")" = 1 ]; }
eventually stored || fail "the typed note was not stored once: $(sqlite3 clipdata.dat 'select id, content from notes_main')"
for i in $(seq 1 10); do
    [ "$(sqlite3 clipdata.dat "select count(*) from notes_main where content='script note $i' and group_id=0")" = 1 ] ||
        fail "script note $i is not stored once: $(sqlite3 clipdata.dat 'select id, content from notes_main')"
done
[ "$(sqlite3 clipdata.dat 'select count(*), count(distinct id) from notes_main')" = "11|11" ] ||
    fail "the file holds other notes: $(sqlite3 clipdata.dat 'select id, group_id, content from notes_main')"
[ -z "$(cat "$work"/add-*.log)" ] || fail "a script's --add wrote: $(cat "$work"/add-*.log)"
kill -0 "$pid" || fail "Quibbet ended"
echo "scripts-beside-window: passed"
