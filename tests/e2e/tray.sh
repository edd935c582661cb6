#!/usr/bin/env bash
# The tray icon with a real tray host (trayer), started before Quibbet or, with TRAY_LATER
# set, after it: the icon is embedded, a click hides and shows the window, also while a modal
# dialog is open (the dialog goes and comes with the window, and the right-click menu still
# opens), the right-click menu holds Help, Options and Exit in that order, and Exit ends the
# program.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
command -v trayer >/dev/null || { echo "SKIP: tray needs the tray host trayer (Debian package trayer)"; exit 77; }

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/bin"
# Help is opened through the desktop's opener: this one only writes down what it was given.
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
unset XDG_CURRENT_DESKTOP
start_window_manager

start_tray_host() {
    trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
    wm_pid="$wm_pid $!"
}

# The icon's window: the program's small window that the host has taken in.
icon_window() {
    local id
    for id in $(xdotool search --classname '^quibbet$' 2>/dev/null); do
        read -r _ _ w h <<<"$(window_geometry "$id")"
        [ "$w" -le 64 ] && [ "$h" -le 64 ] && [ "$(map_state "$id")" = IsViewable ] && { echo "$id"; return 0; }
    done
    return 1
}

wait_for_icon() {
    for _ in $(seq 1 100); do
        icon_window && return 0
        sleep 0.1
    done
    return 1
}

# The visible popup menu of the program, if any (not the search dialog, where one is open).
search=""
menu_shown() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^quibbet$' 2>/dev/null); do
        [ "$id" = "$main" ] || [ "$id" = "$icon" ] || [ "$id" = "$search" ] || { echo "$id"; return 0; }
    done
    return 1
}

# Opens the icon's menu and picks an entry with the keys given (e.g. Down Return).
pick_from_menu() {
    sleep 0.8 # not a double click with the click before
    xdotool mousemove --window "$icon" 8 8 click 3
    eventually menu_shown >/dev/null || fail "a right click on the icon showed no menu"
    xdotool key "$@"
}

if [ -z "${TRAY_LATER:-}" ]; then
    start_tray_host
    sleep 1
fi
start_quibbet
main=$(wait_for_window) || fail "the window never mapped"
if [ -n "${TRAY_LATER:-}" ]; then
    sleep 1
    icon_window >/dev/null && fail "an icon was embedded with no tray host running"
    start_tray_host
fi
icon=$(wait_for_icon) || fail "the tray host did not embed the icon"

xdotool mousemove --window "$icon" 8 8 click 1
wait_for_map_state "$main" IsUnMapped || fail "a click on the icon did not hide the window"
sleep 0.8 # two clicks in quick succession are a double click
xdotool mousemove --window "$icon" 8 8 click 1
wait_for_map_state "$main" IsViewable || fail "a second click on the icon did not show the window"

# A modal dialog open (the search): the icon still answers, as F9 does.
xdotool mousemove --window "$main" 150 150 click 1 # the list, where Ctrl+F opens the search
xdotool key ctrl+f
search=$(wait_for_window '^Search$') || fail "Ctrl+F did not open the search dialog"
sleep 0.8
xdotool mousemove --window "$icon" 8 8 click 1
wait_for_map_state "$main" IsUnMapped || fail "with a dialog open, a click on the icon did not hide the window"
wait_for_map_state "$search" IsUnMapped || fail "hiding left the search dialog on screen"
sleep 0.8
xdotool mousemove --window "$icon" 8 8 click 1
wait_for_map_state "$main" IsViewable || fail "with a dialog open, a second click on the icon did not show the window"
wait_for_map_state "$search" IsViewable || fail "showing did not bring the search dialog back"
sleep 0.8
xdotool mousemove --window "$icon" 8 8 click 3
eventually menu_shown >/dev/null || fail "with a dialog open, a right click on the icon showed no menu"
xdotool key Escape
menu_gone() { ! menu_shown >/dev/null; }
eventually menu_gone || fail "Escape did not close the menu"
xdotool windowactivate --sync "$search" 2>/dev/null || true
xdotool key Escape
eventually window_gone '^Search$' || fail "Escape did not close the search dialog"

pick_from_menu Down Return # the first entry
eventually test -s "$work/opened" || true
grep -qE 'Quibbet(%20| )Standard\.chm' "$work/opened" 2>/dev/null || fail "the menu's first entry did not open the help"

pick_from_menu Down Down Return # the second
wait_for_window '^Quibbet Options$' >/dev/null || fail "the menu's second entry did not open the options"
sleep 0.3
xdotool key Escape
eventually window_gone '^Quibbet Options$' || fail "Escape did not close the options"

pick_from_menu Up Return # the last, after the separator
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
echo "tray${TRAY_LATER:+ (host started later)}: passed"
