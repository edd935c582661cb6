#!/usr/bin/env bash
# Dragging the title bar where the window manager ignores the program's own moves (Weston's
# XWayland, with Weston's X11 back end inside this test's Xvfb so that input can be sent to
# it): the drag is handed to the window manager and the window follows the pointer. What is
# on the screen is read from a screenshot of the Xvfb display, since XWayland reports the
# position the program asked for, not the one shown.
source "$(dirname "$0")/lib.sh"
command -v weston >/dev/null || { echo "SKIP: weston-drag needs weston (Debian package weston)"; exit 77; }
command -v Xwayland >/dev/null || { echo "SKIP: weston-drag needs Xwayland (Debian package xwayland)"; exit 77; }
command -v convert >/dev/null && command -v import >/dev/null ||
    { echo "SKIP: weston-drag needs ImageMagick (Debian package imagemagick)"; exit 77; }

enter_empty_folder
start_weston x11-backend.so quibbet-drag 1024x768
screen=$DISPLAY

DISPLAY=$xdisplay WAYLAND_DISPLAY=quibbet-drag XDG_SESSION_TYPE=wayland start_quibbet
id=$(DISPLAY=$xdisplay wait_for_window) || fail "the window never mapped through XWayland"
sleep 1

colour() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# Weston maps the window where the program first places it, (295, 169); a spot on the title
# bar left of the caption:
x=295 y=169
grab_x=$((x + 60)) grab_y=$((y + 8))
import -window root "$work/before.png"
title=$(colour "$work/before.png" "$grab_x" "$grab_y")
[ "$title" = "$(colour "$work/before.png" $((grab_x + 10)) "$grab_y")" ] &&
    [ "$title" != "$(colour "$work/before.png" $((grab_x - 100)) "$grab_y")" ] ||
    fail "the title bar is not where the window was placed ($x, $y)"

# Weston follows the pointer by its movements: walk it there in small steps.
# The pointer starts inside Weston's window, where Weston never saw it enter and so takes no
# motion from it: bring it in from outside first.
xdotool mousemove 1200 1000
sleep 0.2
px=500 py=500
xdotool mousemove "$px" "$py"
sleep 0.2
walk_to() {
    while [ "$px" != "$1" ] || [ "$py" != "$2" ]; do
        local dx=$(($1 - px)) dy=$(($2 - py))
        dx=$((dx > 10 ? 10 : dx < -10 ? -10 : dx))
        dy=$((dy > 10 ? 10 : dy < -10 ? -10 : dy))
        px=$((px + dx)) py=$((py + dy))
        xdotool mousemove "$px" "$py"
        sleep 0.01
    done
}
drag_by() {
    walk_to "$grab_x" "$grab_y"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.2
    walk_to $((grab_x + $1)) $((grab_y + $2))
    xdotool mouseup 1
    sleep 1
}

# The first drag finds out that the moves are ignored and hands the rest of it over.
drag_by 200 100
import -window root "$work/after.png"
[ "$(colour "$work/after.png" "$grab_x" "$grab_y")" != "$title" ] ||
    fail "the window did not move away from where the drag began"
# Where the title bar is now: the first spot of its colour along the drag's path.
found=""
format=""
for step in $(seq 0 2 200); do format+="$((grab_x + step)) $((grab_y + step / 2)) %[pixel:p{$((grab_x + step)),$((grab_y + step / 2))}]\n"; done
while read -r sx sy c; do
    [ "$c" = "$title" ] && { found=yes; break; }
done < <(convert "$work/after.png" -format "$format" info:)
[ -n "$found" ] || fail "the window did not move along the drag"
# The next drag is the window manager's from its start: the title bar stays under the pointer.
grab_x=$((sx + 10)) grab_y=$((sy + 6)) # well inside the bar, not on its edge
[ "$(colour "$work/after.png" "$grab_x" "$grab_y")" = "$title" ] || fail "the title bar is cut short after the drag"
drag_by -150 120
import -window root "$work/again.png"
# (Looked at just left of the pointer, whose arrow covers the spot itself.)
[ "$(colour "$work/again.png" $((grab_x - 150 - 8)) $((grab_y + 120)))" = "$title" ] ||
    fail "on the second drag the title bar did not follow the pointer"
kill -0 "$pid" || fail "the program ended"
echo "weston-drag: passed"
