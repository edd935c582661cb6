#!/usr/bin/env bash
# `quibbet --toggle` hides and shows the running program; with none running it starts one. An
# open dialog, centred over the window, goes and comes back with it, at its place. A program
# started with -display answers --toggle given that display, either way.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_window_manager

# No program running yet: --toggle starts it.
start_quibbet --toggle
wait_for_window >/dev/null || fail "--toggle with no program running did not start one: $(cat "$work/log")"
id=$(main_window)

timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$id" IsUnMapped || fail "--toggle did not hide the window"
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$id" IsViewable || fail "--toggle did not show the window again"
[ "$(xdotool search --classname '^quibbet$' | wc -l)" = 1 ] || fail "--toggle started a second program"
kill -0 "$pid" || fail "the program ended"

# A dialog (Ctrl+D: the category dialog) opens with its inside centred over the window, and
# stays there when --toggle hides the window, the dialog with it, and shows them again.
middle_of() {
    local gx gy gw gh
    read -r gx gy gw gh <<<"$(window_geometry "$1")"
    echo "$((gx + gw / 2)) $((gy + gh / 2))"
}
centred_over_window() {
    local dx dy wx wy
    read -r dx dy <<<"$(middle_of "$1")"
    read -r wx wy <<<"$(middle_of "$id")"
    [ $((dx - wx)) -ge -1 ] && [ $((dx - wx)) -le 1 ] && [ $((dy - wy)) -ge -1 ] && [ $((dy - wy)) -le 1 ]
}
xdotool windowfocus --sync "$id" key ctrl+d
dialog=$(wait_for_window '^Category manage$') || fail "Ctrl+D did not open the category dialog"
centred_over_window "$dialog" ||
    fail "the dialog opened with its middle at $(middle_of "$dialog"), the window's is at $(middle_of "$id")"
placed=$(window_geometry "$dialog")
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$dialog" IsUnMapped || fail "--toggle left the dialog on the screen"
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$dialog" IsViewable || fail "--toggle did not bring the dialog back"
[ "$(window_geometry "$dialog")" = "$placed" ] ||
    fail "the dialog came back at $(window_geometry "$dialog"), not where it was ($placed)"
xdotool windowfocus --sync "$dialog" key Escape
eventually window_gone '^Category manage$' || fail "Escape did not close the dialog"
kill "$pid"
wait "$pid" 2>/dev/null || true

# The display given with -display, not $DISPLAY, is the program's desktop.
screen=$DISPLAY
DISPLAY=:nowhere start_quibbet -display "$screen"
wait_for_window >/dev/null || fail "the program started with -display did not show its window: $(cat "$work/log")"
id=$(main_window)
toggle_and_wait() {
    local state=$1
    shift
    timeout 10 "$@" || fail "'$*' did not return"
    wait_for_map_state "$id" "$state" || fail "'$*' did not reach the program started with -display $screen"
}
toggle_and_wait IsUnMapped env -u DISPLAY "$QUIBBET" --toggle -display "$screen"
toggle_and_wait IsViewable env DISPLAY="$screen" "$QUIBBET" --toggle
toggle_and_wait IsUnMapped env DISPLAY="$screen.0" "$QUIBBET" --toggle
toggle_and_wait IsViewable env DISPLAY=:nowhere "$QUIBBET" --toggle -display "$screen"
[ "$(xdotool search --classname '^quibbet$' | wc -l)" = 1 ] || fail "--toggle with -display started a second program"
kill -0 "$pid" || fail "the program started with -display ended"
echo "toggle: passed"
