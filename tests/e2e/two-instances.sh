#!/usr/bin/env bash
# One Quibbet per notes file. Started again on the same file, however it is reached (another
# path, a bind mount of the folder, another runtime folder), Quibbet brings the running one to
# the front, shown if it was hidden and never hidden if it was shown, and ends at once with one
# line on standard error, status 0, without touching the notes file. Of a burst of starts at
# the same moment exactly one runs, and every other one says why it ended. Started on another
# display, or while the running one is stopped, it says so and ends with status 1. Two folders
# keep two independent programs, each answering --toggle from its own. Ended by SIGTERM while
# another program holds the file's write lock, Quibbet ends within seconds, and the next start
# stores the note that was being written.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/a" "$work/b"
export XDG_DATA_HOME="$work/data" # where a note kept at exit waits for the next start
ln -s "$work/a" "$work/also-a"
start_window_manager

# The main window of the program with this process id.
window_of() {
    for _ in $(seq 1 300); do
        local id
        id=$(xdotool search --all --pid "$1" --classname '^quibbet$' 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
programs() { xdotool search --classname '^quibbet$' 2>/dev/null | wc -l; }
# The window on top of the others, as the window manager stacks them.
top_window() { printf '%d\n' "$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}')"; }
wait_for_top() {
    for _ in $(seq 1 150); do [ "$(top_window)" = "$1" ] && return 0; sleep 0.1; done
    return 1
}

# Checks what a start that handed over wrote (its output in $1.out and $1.err): nothing on
# standard output, one line on standard error that names the notes file as it was reached ($2).
handed_over() {
    [ ! -s "$1.out" ] && [ "$(wc -l <"$1.err")" = 1 ] ||
        fail "a second start did not say one line on standard error: $(cat "$1.out" "$1.err")"
    grep -qF "already runs on $2 and has been brought to the front" "$1.err" ||
        fail "the second start did not say it handed over to the one on $2: $(cat "$1.err")"
}
# Starts Quibbet again in the folder, the command after it (env with settings, or a command
# that runs its arguments) around it; it must hand over to the running one and end at once.
start_again_in() {
    local folder=$1 before after status=0
    shift
    [ $# -gt 0 ] || set -- env
    before=$(stat -c '%Y %s' "$work/a/clipdata.dat")$(md5sum <"$work/a/clipdata.dat")
    (cd "$folder" && timeout 10 "$@" "$QUIBBET" >"$work/again.out" 2>"$work/again.err") || status=$?
    [ "$status" = 0 ] || fail "a second start in $folder ended with status $status: $(cat "$work/again.err")"
    handed_over "$work/again" "${shown:-$(realpath "$work/a")/clipdata.dat}"
    after=$(stat -c '%Y %s' "$work/a/clipdata.dat")$(md5sum <"$work/a/clipdata.dat")
    [ "$before" = "$after" ] || fail "a second start changed the notes file"
    [ -z "$(ls "$work/a" | grep -v -x clipdata.dat)" ] || fail "a second start left files: $(ls "$work/a")"
    [ "$(programs)" = 2 ] || fail "after a second start, $(programs) programs have windows"
}
# Hides the first program with --toggle from its folder.
hide_first() {
    (cd "$work/a" && timeout 10 "$QUIBBET" --toggle) || fail "--toggle did not return"
    wait_for_map_state "$first_window" IsUnMapped || fail "--toggle in the first folder did not hide its program"
}

cd "$work/a"
start_quibbet
first=$pid
first_window=$(window_of "$first") || fail "the first program never mapped its window"
wait_for_map_state "$first_window" IsViewable || fail "the first window is not shown"

cd "$work/b"
"$QUIBBET" >"$work/other.log" 2>&1 &
other=$!
wm_pid="$wm_pid $other"
other_window=$(window_of "$other") || fail "the program in the other folder never mapped its window: $(cat "$work/other.log")"
wait_for_map_state "$other_window" IsViewable || fail "the other folder's window is not shown"
wait_for_active "$other_window" || fail "the other folder's window did not become active"
wait_for_top "$other_window" || fail "the other folder's window is not on top"
! grep -q "already runs" "$work/other.log" || fail "the program in the other folder handed over: $(cat "$work/other.log")"

# Shown but behind another window: it comes to the front, and stays shown.
start_again_in "$work/a"
wait_for_active "$first_window" || fail "a second start did not make the running window active"
wait_for_top "$first_window" || fail "a second start did not bring the running window to the front"
[ "$(map_state "$first_window")" = IsViewable ] || fail "a second start hid the running window"
# Hidden: it is shown again, also when the folder is reached by another path.
(cd "$work/a" && timeout 10 "$QUIBBET" --toggle) || fail "--toggle did not return"
wait_for_map_state "$first_window" IsUnMapped || fail "--toggle in the first folder did not hide its program"
[ "$(map_state "$other_window")" = IsViewable ] || fail "--toggle in the first folder hid the other folder's program"
start_again_in "$work/also-a"
wait_for_map_state "$first_window" IsViewable || fail "a second start did not show the hidden window"
wait_for_active "$first_window" || fail "a second start did not make the shown window active"
wait_for_top "$first_window" || fail "a second start did not show the window in front"

# The other folder's program answers --toggle from its own folder only.
(cd "$work/b" && timeout 10 "$QUIBBET" --toggle) || fail "--toggle did not return"
wait_for_map_state "$other_window" IsUnMapped || fail "--toggle in the other folder did not hide its program"
[ "$(map_state "$first_window")" = IsViewable ] || fail "--toggle in the other folder hid the first program"
(cd "$work/b" && timeout 10 "$QUIBBET" --toggle) || fail "--toggle did not return"
wait_for_map_state "$other_window" IsViewable || fail "--toggle in the other folder did not show its program again"

# The file is the same whatever the way to it: another runtime folder (where the first one's
# socket is not), and a bind mount of the folder, seen in a mount namespace of its own.
hide_first
start_again_in "$work/a" env XDG_RUNTIME_DIR="$work/runtime-2"
wait_for_map_state "$first_window" IsViewable || fail "a start with another runtime folder did not show the window"
if unshare -m true 2>/dev/null; then
    mkdir "$work/bound"
    hide_first
    shown="$work/bound/clipdata.dat" start_again_in "$work" \
        unshare -m sh -c 'mount --bind "$1" "$2" && cd "$2" && exec "$3"' sh "$work/a" "$work/bound"
    wait_for_map_state "$first_window" IsViewable || fail "a start through a bind mount did not show the window"
else
    echo "two-instances: no mount namespace here; the bind mount is left out" >&2
fi

# Another display: the start says where Quibbet runs and ends; no window comes up there.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$work/display-2" >/dev/null 2>&1 &
wm_pid="$wm_pid $!"
for _ in $(seq 1 300); do [ -s "$work/display-2" ] && break; sleep 0.1; done
second_display=":$(head -n 1 "$work/display-2")"
[ "$second_display" != ":" ] || fail "the second X server did not start"
status=0
(cd "$work/a" && DISPLAY=$second_display timeout 10 "$QUIBBET" >"$work/display.out" 2>"$work/display.err") || status=$?
[ "$status" = 1 ] || fail "a start on another display ended with status $status: $(cat "$work/display.err")"
[ ! -s "$work/display.out" ] && [ "$(wc -l <"$work/display.err")" = 1 ] ||
    fail "a start on another display did not say one line: $(cat "$work/display.out" "$work/display.err")"
grep -qF "already runs on $(realpath "$work/a")/clipdata.dat on display $DISPLAY" "$work/display.err" ||
    fail "a start on another display did not say where Quibbet runs: $(cat "$work/display.err")"
[ -z "$(DISPLAY=$second_display xdotool search --classname '^quibbet$' 2>/dev/null)" ] ||
    fail "a window came up on the other display"

# Stopped, the running one cannot answer: a start says so, not that it brought it forward,
# and so does every start of a burst.
kill -STOP "$first"
for i in 1 2 3; do
    (cd "$work/a" && exec timeout 20 "$QUIBBET" >"$work/stopped$i.out" 2>"$work/stopped$i.err") &
    stopped[i]=$!
done
for i in 1 2 3; do
    status=0
    wait "${stopped[i]}" || status=$?
    [ "$status" = 1 ] && [ ! -s "$work/stopped$i.out" ] && [ "$(wc -l <"$work/stopped$i.err")" = 1 ] &&
        grep -qF "already runs on $(realpath "$work/a")/clipdata.dat (process $first) and does not answer" \
            "$work/stopped$i.err" ||
        { kill -CONT "$first"; fail "a start beside a stopped Quibbet (status $status) said: $(cat "$work/stopped$i.out" "$work/stopped$i.err")"; }
done
kill -CONT "$first"

# A burst of five starts at once in a new folder, each with a runtime folder of its own: one
# runs, the four others hand over to it and say so.
mkdir "$work/c"
cd "$work/c"
for i in 1 2 3 4 5; do
    mkdir -m 700 "$work/runtime-c$i"
    XDG_RUNTIME_DIR="$work/runtime-c$i" "$QUIBBET" >"$work/c$i.out" 2>"$work/c$i.err" &
    burst[i]=$!
    wm_pid="$wm_pid ${burst[i]}"
done
running() { local count=0 i; for i in 1 2 3 4 5; do kill -0 "${burst[i]}" 2>/dev/null && count=$((count + 1)); done; echo $count; }
for _ in $(seq 1 200); do [ "$(running)" -le 1 ] && break; sleep 0.1; done
[ "$(running)" = 1 ] || fail "of five starts at once on one file, $(running) run"
for i in 1 2 3 4 5; do
    if kill -0 "${burst[i]}" 2>/dev/null; then
        runs=${burst[i]}
        continue
    fi
    status=0
    wait "${burst[i]}" || status=$?
    [ "$status" = 0 ] || fail "of five starts at once, one ended with status $status: $(cat "$work/c$i.err")"
    handed_over "$work/c$i" "$work/c/clipdata.dat"
done
window_of "$runs" >/dev/null || fail "the start that stayed never mapped its window"
kill "$runs"
wait "$runs" 2>/dev/null || true
cd "$work"

# With the other folder's program gone, the first still answers.
kill "$other"
wait "$other" 2>/dev/null || true
(cd "$work/a" && timeout 10 "$QUIBBET" --toggle) || fail "--toggle did not return"
wait_for_map_state "$first_window" IsUnMapped || fail "after the other program ended, --toggle no longer reached the first"
kill -0 "$first" || fail "the first program ended"
[ "$(programs)" = 1 ] || fail "$(programs) programs have windows, not 1"

# A note being written, the window hidden with F9 (which also shows that the typing has been
# taken in: the key comes after it), another program holding the write lock, and SIGTERM: the
# program ends within seconds, waiting for no click, and the next start stores the note.
(cd "$work/a" && timeout 10 "$QUIBBET" --toggle) || fail "--toggle did not return"
wait_for_map_state "$first_window" IsViewable || fail "--toggle did not show the first program again"
xdotool windowactivate --sync "$first_window" 2>/dev/null || true
wait_for_active "$first_window" || fail "the first window did not become active"
read -r x y _ _ <<<"$(window_geometry "$first_window")"
focus_list
xdotool key ctrl+i
xdotool type --delay 20 "written under a lock"
xdotool key F9
wait_for_map_state "$first_window" IsUnMapped || fail "F9 did not hide the window"
mkfifo "$work/sql"
sqlite3 "$work/a/clipdata.dat" <"$work/sql" >"$work/sql.out" 2>&1 &
holder=$!
exec 7>"$work/sql"
echo "begin immediate; select 'locked';" >&7
for _ in $(seq 1 100); do grep -q locked "$work/sql.out" && break; sleep 0.1; done
grep -q locked "$work/sql.out" || fail "sqlite3 did not take the write lock: $(cat "$work/sql.out")"
kill -TERM "$first"
for _ in $(seq 1 200); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
ended=yes
kill -0 "$first" 2>/dev/null && ended=""
echo "commit;" >&7
exec 7>&-
wait "$holder" || true
[ -n "$ended" ] || fail "with the file locked elsewhere, SIGTERM did not end the program within 20 s"
noted() { sqlite3 "$work/a/clipdata.dat" "select count(*) from notes_main where content='written under a lock'"; }
[ "$(noted)" = 0 ] || fail "the note was stored although the file was locked"
kept=$(find "$XDG_DATA_HOME/quibbet/kept" -type f 2>/dev/null)
[ "$(wc -l <<<"$kept")" = 1 ] && [ -n "$kept" ] || fail "the note was not kept aside: '$kept'"
[ "$(stat -c %a "$kept")" = 600 ] || fail "the kept note can be read by others: $(stat -c %a "$kept")"
grep -q "written under a lock" "$kept" || fail "the kept file does not hold the text: $(cat "$kept")"
cd "$work/a"
start_quibbet
window_of "$pid" >/dev/null || fail "the next start never mapped its window"
eventually test "$(noted)" = 1 || fail "the next start did not store the kept note: $(sqlite3 clipdata.dat 'select * from notes_main')"
[ -z "$(find "$XDG_DATA_HOME/quibbet/kept" -type f)" ] || fail "the kept note was not forgotten once stored"
cd "$work"
echo "two-instances: passed"
