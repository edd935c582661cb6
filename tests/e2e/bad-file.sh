#!/usr/bin/env bash
# A clipdata.dat that is not a notes file: the program says why, ends with a non-zero
# status when the message is closed, and leaves the file exactly as it was.
source "$(dirname "$0")/lib.sh"

enter_empty_folder
printf 'shopping list: milk, eggs\n' >clipdata.dat
before=$(sha256sum clipdata.dat)
start_quibbet

# The message box carries the program's name as its title.
box=$(wait_for_window) || fail "no message box appeared"
grep -q 'file is not a database' "$work/log" || fail "the engine's message was not reported: $(cat "$work/log")"
sleep 0.3
xdotool windowfocus --sync "$box"
xdotool key Return
status=0
wait "$pid" || status=$?
[ "$status" -ne 0 ] || fail "the program ended with status 0"
[ "$(sha256sum clipdata.dat)" = "$before" ] || fail "the file was changed"
[ "$(ls -A | grep -v "^log$")" = "clipdata.dat" ] || fail "other files were left: $(ls -A)"

# A logout's SIGTERM while the message is open ends the program without a click, still with
# the file untouched.
start_quibbet
wait_for_window >/dev/null || fail "no message box appeared the second time"
kill -TERM "$pid"
ended() { [ ! -e "/proc/$pid" ] || [ "$(cut -d' ' -f3 "/proc/$pid/stat")" = Z ]; }
for _ in $(seq 1 100); do ended && break; sleep 0.1; done
ended || fail "SIGTERM did not end the program while its message was open"
status=0
wait "$pid" || status=$?
[ "$status" -ne 0 ] || fail "the program ended with status 0 at SIGTERM"
[ "$(sha256sum clipdata.dat)" = "$before" ] || fail "the file was changed at SIGTERM"
echo "bad-file: passed"
