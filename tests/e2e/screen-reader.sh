#!/usr/bin/env bash
# The main window as a screen reader meets it, through the desktop's accessibility bus,
# after start-up and after an Apply. Usage: screen-reader.sh [tree|focus]
#   tree:  a named frame, named buttons and no nameless pictures, the rows' texts, the
#          tabs, and a tab change announced;
#   focus: the list holds the keyboard focus.
# Needs the packages at-spi2-core, python3-pyatspi and dbus-daemon; skips without them.
source "$(dirname "$0")/lib.sh"

python=/usr/bin/python3
if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ] ||
    ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: screen-reader needs the packages at-spi2-core, python3-pyatspi and dbus-daemon"
    exit 77
fi
# A session bus of the test's own, so the accessibility bus and registry it starts on
# demand belong to this test alone and end with it.
if [ -z "${SCREEN_READER_PRIVATE_BUS:-}" ]; then
    exec env SCREEN_READER_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
checks=${1:-tree}
walk() { "$python" "$(dirname "$0")/screen-reader-walk.py" "$pid" "$checks" "$@" 2>&1; }

enter_empty_folder
start_quibbet
wait_for_window >/dev/null || fail "the window never mapped"
kill "$pid"
wait "$pid" 2>/dev/null || true
sqlite3 clipdata.dat "insert into notes_main (id, group_id, isdone, create_time, content, account_id, record_time)
    values (1, 0, 0, '09:00 Mon, 01Dec2025', 'buy milk Ärger', '', '2025-12-01 09:00:00.000'),
           (2, 0, 0, '10:30 Tue, 02Dec2025', 'call Ann', '', '2025-12-02 10:30:00.000')"

start_quibbet
id=$(wait_for_window) || fail "the window never mapped again"
xdotool windowfocus --sync "$id"
out=$(walk start "Tue, 02Dec2025" "call Ann" "Mon, 01Dec2025" "buy milk Ärger") || fail "after start-up: $out"

# A new note through the keyboard: the memo takes the focus, Apply gives it back to the list.
read -r x y _ _ <<<"$(window_geometry "$id")"
xdotool mousemove $((x + 140)) $((y + 150)) click 1
sleep 0.3
xdotool key ctrl+i
xdotool type --delay 20 "fresh note"
xdotool key ctrl+Return
sleep 0.5
day=$(sqlite3 clipdata.dat 'select substr(create_time, 7) from notes_main where content = "fresh note"')
[ -n "$day" ] || fail "the typed note was not stored"
out=$(walk applied "$day" "fresh note" "Tue, 02Dec2025" "call Ann" "Mon, 01Dec2025" "buy milk Ärger") ||
    fail "after Apply: $out"
echo "screen-reader ($checks): passed"
