#!/usr/bin/env bash
# Dragging the title bar moves the window; near the top edge it snaps to y 0, and there it
# rolls up to a 24-pixel strip when the pointer leaves and unrolls when it comes back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"

enter_empty_folder
start_window_manager
start_quibbet
id=$(wait_for_window) || fail "the window never mapped: $(cat "$work/log")"

# Drags the title bar, grabbed 100 pixels in and 10 down, so that the window's corner
# heads for (x, y), in small steps as a hand would.
drag_window_to() {
    read -r from_x from_y _ _ <<<"$(window_geometry "$id")"
    local grab_x=$((from_x + 100)) grab_y=$((from_y + 10))
    local to_x=$(($1 + 100)) to_y=$(($2 + 10))
    xdotool mousemove "$grab_x" "$grab_y" mousedown 1
    for step in $(seq 1 12); do
        xdotool mousemove $((grab_x + (to_x - grab_x) * step / 12)) $((grab_y + (to_y - grab_y) * step / 12))
        sleep 0.03
    done
    xdotool mouseup 1
    sleep 0.3
}

drag_window_to 500 300
read -r x y w h <<<"$(window_geometry "$id")"
[ "$x $y $h" = "500 300 325" ] || fail "dragged to 500,300 but the window is at $x,$y height $h"

xdotool mousemove 900 900
sleep 0.3
read -r _ _ _ h <<<"$(window_geometry "$id")"
[ "$h" = 325 ] || fail "a window away from the top rolled up to $h pixels"

drag_window_to 20 10
read -r x y _ _ <<<"$(window_geometry "$id")"
[ "$x $y" = "20 0" ] || fail "dragged to 20,10 but the window is at $x,$y instead of 20,0"

# Waits up to 10 s for the window to be the given number of pixels high; prints the last height.
wait_for_height() {
    local h=""
    for _ in $(seq 1 100); do
        read -r _ _ _ h <<<"$(window_geometry "$id")"
        [ "$h" = "$1" ] && break
        sleep 0.1
    done
    echo "$h"
}

xdotool mousemove 900 900
h=$(wait_for_height 24)
[ "$h" = 24 ] || fail "the docked window is $h pixels high after the pointer left, expected 24"

xdotool mousemove 120 10
h=$(wait_for_height 325)
[ "$h" = 325 ] || fail "the strip is $h pixels high with the pointer over it, expected 325"
echo "drag: passed"
