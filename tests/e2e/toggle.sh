#!/usr/bin/env bash
# `quibbet --toggle` hides and shows the running program; with none running it starts one.
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
echo "toggle: passed"
