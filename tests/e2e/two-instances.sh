#!/usr/bin/env bash
# Two Quibbets on one desktop, in two folders: the first keeps answering --toggle; the second
# says so in one line, runs on without it, and takes nothing with it when it ends.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/a" "$work/b"
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

cd "$work/a"
start_quibbet
first=$pid
first_window=$(window_of "$first") || fail "the first program never mapped its window"
wait_for_map_state "$first_window" IsViewable || fail "the first window is not shown"

cd "$work/b"
"$QUIBBET" >"$work/second.log" 2>&1 &
second=$!
second_window=$(window_of "$second") || fail "the second program never mapped its window"
wait_for_map_state "$second_window" IsViewable || fail "the second window is not shown"
for _ in $(seq 1 100); do grep -q -- --toggle "$work/second.log" && break; sleep 0.1; done
[ "$(grep -c -- "--toggle" "$work/second.log")" = 1 ] && grep -q "already answers --toggle" "$work/second.log" ||
    fail "the second program did not say that the first answers --toggle: $(cat "$work/second.log")"

cd "$work"
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$first_window" IsUnMapped || fail "--toggle did not reach the first program"
[ "$(map_state "$second_window")" = IsViewable ] || fail "--toggle hid the second program"

kill "$second"
wait "$second" 2>/dev/null || true
timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
wait_for_map_state "$first_window" IsViewable || fail "after the second program ended, --toggle no longer reached the first"
[ "$(xdotool search --classname '^quibbet$' | wc -l)" = 1 ] || fail "--toggle started another program"
[ ! -e "$work/clipdata.dat" ] || fail "a program started in the folder --toggle was run from"
kill -0 "$first" || fail "the first program ended"
echo "two-instances: passed"
