#!/usr/bin/env bash
# One Quibbet per notes file. Started again in the same folder (or through another path to
# it), Quibbet brings the running one to the front, shown if it was hidden and never hidden
# if it was shown, and ends at once with one line, status 0, without touching the notes
# file. Two folders keep two independent programs, each answering --toggle from its own.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/a" "$work/b"
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

# Starts Quibbet again in the folder; it must hand over to the running one and end at once.
start_again_in() {
    local before after status=0
    before=$(stat -c '%Y %s' "$work/a/clipdata.dat")$(md5sum <"$work/a/clipdata.dat")
    (cd "$1" && timeout 10 "$QUIBBET" >"$work/again.out" 2>"$work/again.err") || status=$?
    [ "$status" = 0 ] || fail "a second start in $1 ended with status $status: $(cat "$work/again.err")"
    [ "$(wc -l <"$work/again.out")" = 1 ] && [ ! -s "$work/again.err" ] ||
        fail "a second start did not say one line: $(cat "$work/again.out" "$work/again.err")"
    grep -qF "already runs on $(realpath "$work/a")/clipdata.dat" "$work/again.out" ||
        fail "the second start did not name the notes file: $(cat "$work/again.out")"
    after=$(stat -c '%Y %s' "$work/a/clipdata.dat")$(md5sum <"$work/a/clipdata.dat")
    [ "$before" = "$after" ] || fail "a second start changed the notes file"
    [ -z "$(ls "$work/a" | grep -v -x clipdata.dat)" ] || fail "a second start left files: $(ls "$work/a")"
    [ "$(programs)" = 2 ] || fail "after a second start, $(programs) programs have windows"
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

# Two starts at once in a new folder: one runs, the other hands over to it and ends.
mkdir "$work/c"
cd "$work/c"
"$QUIBBET" >"$work/c1.log" 2>&1 &
c1=$!
"$QUIBBET" >"$work/c2.log" 2>&1 &
c2=$!
wm_pid="$wm_pid $c1 $c2"
for _ in $(seq 1 150); do kill -0 "$c1" 2>/dev/null && kill -0 "$c2" 2>/dev/null || break; sleep 0.1; done
! { kill -0 "$c1" 2>/dev/null && kill -0 "$c2" 2>/dev/null; } || fail "two starts at once in one folder both run"
if kill -0 "$c1" 2>/dev/null; then ended=$c2 ended_log=$work/c2.log runs=$c1; else ended=$c1 ended_log=$work/c1.log runs=$c2; fi
status=0
wait "$ended" || status=$?
[ "$status" = 0 ] && grep -q "already runs" "$ended_log" ||
    fail "of two starts at once, the one that ended (status $status) did not hand over: $(cat "$ended_log")"
kill -0 "$runs" 2>/dev/null || fail "both of two starts at once ended"
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
echo "two-instances: passed"
