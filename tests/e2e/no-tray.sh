#!/usr/bin/env bash
# Minimising without a tray: with F9 at hand the program hides, its dialogs with it (F9 or
# --toggle brings it back); with F9 held by another program it leaves an ordinary minimised window instead,
# which --toggle brings back as well.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
[ -x "${HOLD_KEY:-}" ] || { echo "SKIP: no-tray needs the key-holding helper (HOLD_KEY)"; exit 77; }

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_window_manager

# The window manager's state of a window: Normal, Iconic, Withdrawn (or nothing).
wm_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'
}

minimise() {
    # The title bar's minimise button, 18 x 18 at (258, 5).
    xdotool mousemove --window "$1" 267 14 click 1
}

start_quibbet
id=$(wait_for_window) || fail "the window never mapped: $(cat "$work/log")"
sleep 0.5 # F9 is taken once the window is up

# Hiding takes the program's open dialogs along, and showing brings them back still waiting.
xdotool mousemove --window "$id" 150 150 click 1 # the list, where Ctrl+F opens the search
xdotool key ctrl+f
search=$(wait_for_window '^Search$') || fail "Ctrl+F did not open the search dialog"
xdotool key F9
wait_for_map_state "$id" IsUnMapped || fail "F9 did not hide the window"
wait_for_map_state "$search" IsUnMapped || fail "hiding left the search dialog on screen"
xdotool key F9
wait_for_map_state "$id" IsViewable || fail "F9 did not show the window"
wait_for_map_state "$search" IsViewable || fail "showing did not bring the search dialog back"
sleep 0.3
xdotool key Escape
eventually window_gone '^Search$' || fail "the search dialog shown again no longer answers Escape"

minimise "$id"
wait_for_map_state "$id" IsUnMapped || fail "minimise did not take the window away"
[ "$(wm_state "$id")" != Iconic ] || fail "with F9 free, minimise left a minimised window instead of hiding"
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$id" IsViewable || fail "--toggle did not bring the hidden window back"
kill "$pid"
wait "$pid" 2>/dev/null || true

"$HOLD_KEY" >"$work/holder" &
holder=$!
wm_pid="$wm_pid $holder"
for _ in $(seq 1 100); do grep -q holding "$work/holder" && break; sleep 0.1; done
grep -q holding "$work/holder" || fail "another client could not take F9"
start_quibbet
id=$(wait_for_window) || fail "the window never mapped: $(cat "$work/log")"
sleep 0.5
minimise "$id"
wait_for_map_state "$id" IsUnMapped || fail "minimise did nothing with F9 held elsewhere"
is_iconic() { [ "$(wm_state "$1")" = Iconic ]; }
eventually is_iconic "$id" || fail "with F9 held elsewhere, minimise did not leave a minimised window (state $(wm_state "$id"))"
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$id" IsViewable || fail "--toggle did not bring the minimised window back"
echo "no-tray: passed"
