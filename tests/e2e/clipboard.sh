#!/usr/bin/env bash
# "Copy note content" from the list's menu, clicked in the running program, puts the note on
# the X clipboard byte for byte, as another program (xclip, Debian package xclip) reads it:
# notes of several lines, with LF or CR LF, in Cyrillic, Greek, Japanese and with an emoji.
source "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || { echo "SKIP: xclip (Debian package xclip) is not installed"; exit 77; }

enter_empty_folder
start_quibbet # the first start makes the notes file
wait_for_window >/dev/null || fail "the window never mapped"
kill "$pid"
wait "$pid" 2>/dev/null || true

# Copies the only note of the file through the menu and compares what the clipboard holds.
copy_and_compare() {
    local what=$1 expected actual id x y
    sqlite3 clipdata.dat "delete from notes_main; insert into notes_main (id, group_id, isdone, create_time, content)
        values (1, 0, '0', '09:05 Mon, 07Dec2026', $2)"
    start_quibbet
    id=$(wait_for_window) || fail "the window never mapped"
    read -r x y _ _ <<<"$(window_geometry "$id")"
    xdotool windowfocus --sync "$id"
    xdotool mousemove $((x + 150)) $((y + 90)) click 1 # the note, below its day's row
    sleep 0.3
    xdotool click 3
    sleep 0.5
    xdotool key Down Down Down Return # Add a new note, Edit note, Copy note content
    sleep 0.5
    expected=$(sqlite3 clipdata.dat "select hex(content) from notes_main where id = 1")
    actual=$(timeout 10 xclip -o -selection clipboard | od -An -v -tx1 | tr -d ' \n' | tr 'a-f' 'A-F') ||
        fail "$what: nothing could be read from the clipboard"
    [ "$actual" = "$expected" ] || fail "$what: the clipboard holds $actual, the note $expected"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

copy_and_compare "three lines ending in LF, as typed" \
    "'Einkauf: Grüße' || char(10) || 'заметка — σημείωση' || char(10) || '日本語 ✓ 📝'"
copy_and_compare "two lines ending in CR LF, as pasted from elsewhere" \
    "'line one' || char(13, 10) || 'line two, ÄÖÜ' || char(13, 10) || 'Ωμέγα'"
copy_and_compare "one line with a tab and blanks at the ends" "'  a' || char(9) || 'b  '"
echo "clipboard: passed"
