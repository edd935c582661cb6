#!/usr/bin/env bash
# Keys typed right after start-up, with nothing clicked, reach the list and store nothing;
# a note applied twice is stored once, and typing after Apply does not go into it. Del and
# Ctrl+Z in the list delete the note and bring it back.
source "$(dirname "$0")/lib.sh"

enter_empty_folder
start_quibbet

id=$(wait_for_window) || fail "the window never mapped: $(cat "$work/log")"
xdotool windowfocus --sync "$id"
sleep 0.3
notes() { sqlite3 clipdata.dat 'select id, group_id, content from notes_main order by id'; }

xdotool type --delay 20 "zz"
xdotool key ctrl+Return
sleep 0.5
[ -z "$(notes)" ] || fail "keys typed into the hidden memo were stored: $(notes)"

xdotool key ctrl+i
xdotool type --delay 20 "First note"
xdotool key ctrl+Return
xdotool key ctrl+Return
xdotool type --delay 20 " plus more"
xdotool key ctrl+Return
sleep 0.5
[ "$(notes)" = "1|0|First note" ] || fail "expected one note 'First note': $(notes)"

xdotool key Delete
sleep 0.5
[ -z "$(notes)" ] || fail "Del in the list did not delete the note: $(notes)"
xdotool key ctrl+z
sleep 0.5
[ "$(notes)" = "1|0|First note" ] || fail "Ctrl+Z did not bring the note back: $(notes)"
if [ -n "${QUIBBET_SHOT:-}" ]; then import -window root "$QUIBBET_SHOT"; fi
echo "keys-after-start: passed"
