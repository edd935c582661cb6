#!/usr/bin/env bash
# F9 hides the shown program and brings it back to the front, active, whatever the state of
# Num Lock, and also when pressed several times quickly; another program holding the focus
# does not matter.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
start_window_manager
start_quibbet
wait_for_window >/dev/null || fail "the window never mapped: $(cat "$work/log")"
id=$(main_window)

toggle_twice() {
    xdotool key F9
    wait_for_map_state "$id" IsUnMapped || fail "F9 ($1) did not hide the window"
    xdotool key F9
    wait_for_map_state "$id" IsViewable || fail "F9 ($1) did not bring the window back"
    wait_for_active "$id" || fail "F9 ($1) brought the window back without activating it"
}

toggle_twice "Num Lock off"
num_lock_on && fail "Num Lock was on from the start"
xdotool key Num_Lock
num_lock_on || fail "Num Lock did not come on"
toggle_twice "Num Lock on"
xdotool key Caps_Lock
toggle_twice "Num Lock and Caps Lock on"
xdotool key Caps_Lock Num_Lock

# Hidden and shown twice in quick succession, it still takes the keys typed into it.
xdotool key F9 F9 F9 F9
wait_for_map_state "$id" IsViewable || fail "four quick F9 presses left the window hidden"
wait_for_active "$id" || fail "four quick F9 presses left the window inactive"
wait_for_main_window
focus_list
xdotool key ctrl+i
xdotool type --delay 20 "typed after quick toggles"
xdotool key ctrl+Return
eventually test "$(sqlite3 clipdata.dat "select count(*) from notes_main where content='typed after quick toggles'")" = 1 ||
    fail "keys typed after quick F9 presses were lost: $(sqlite3 clipdata.dat 'select * from notes_main')"

# Shift+F9 is another key: it leaves the window alone.
xdotool key shift+F9
sleep 0.5
[ "$(map_state "$id")" = IsViewable ] || fail "Shift+F9 hid the window"
echo "hotkey: passed"
