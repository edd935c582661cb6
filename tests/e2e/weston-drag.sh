#!/usr/bin/env bash
# Dragging the title bar and minimising where the window manager ignores what the program asks
# of its window (Weston's XWayland, with Weston's X11 back end inside this test's Xvfb so that
# input can be sent to it). The first drag finds out that the program's moves are ignored and
# hands the drag to the window manager, later drags go to it from their start, and the window
# follows the pointer; the minimise button, whose request Weston ignores as well, hides the
# window, and --toggle shows it again.
# Each step waits for what it needs rather than for a fixed time: the compositor's own account
# of the window (the log of its X window manager, which also says when a drag became its own)
# and what is on the screen (screenshots of the Xvfb display: XWayland reports the position the
# program asked for, not the one shown).
source "$(dirname "$0")/lib.sh"
command -v weston >/dev/null || { echo "SKIP: weston-drag needs weston (Debian package weston)"; exit 77; }
command -v Xwayland >/dev/null || { echo "SKIP: weston-drag needs Xwayland (Debian package xwayland)"; exit 77; }
command -v convert >/dev/null && command -v import >/dev/null ||
    { echo "SKIP: weston-drag needs ImageMagick (Debian package imagemagick)"; exit 77; }

enter_empty_folder
# No fading in, zooming or dimming: what is on the screen is what the compositor last settled.
cat >"$work/weston.ini" <<'EOF'
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
EOF
start_weston x11-backend.so quibbet-drag 1024x768 --config="$work/weston.ini" --logger-scopes=log,xwm-wm-x11
log=$work/weston.log

# The compositor's log: waits up to 15 s for a line after line $1 matching the extended
# pattern $2, and prints it.
log_end() { wc -l <"$log"; }
log_has() { tail -n +"$(($1 + 1))" "$log" | grep -q -E -- "$2"; }
wait_for_log() {
    local from=$1 pattern=$2 line
    for _ in $(seq 1 150); do
        line=$(tail -n +"$((from + 1))" "$log" | grep -m 1 -E -- "$pattern" || true)
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.1
    done
    return 1
}

# The window as the compositor maps it (after line $1 of its log): sets win, the X window,
# frame, the frame the compositor puts it in, and inset_x and inset_y, its place in the frame.
wait_for_mapping() {
    local line
    line=$(wait_for_log "$1" 'XCB_MAP_REQUEST \(window [0-9]+, [^,]*, frame [0-9]+, 287x325') ||
        fail "the compositor never mapped the window: $(tail -n 20 "$log")"
    win=$(sed -E 's/.*window ([0-9]+),.*/\1/' <<<"$line")
    frame=$(sed -E 's/.*frame ([0-9]+),.*/\1/' <<<"$line")
    line=$(wait_for_log "$1" "XWM: win $win geometry: [0-9]+,[0-9]+ ") || fail "the compositor never framed the window"
    read -r inset_x inset_y <<<"$(sed -E 's/.*geometry: ([0-9]+),([0-9]+) .*/\1 \2/' <<<"$line")"
}
# Where the compositor shows the window: its frame's place, as last reported, and the inset.
window_place() {
    local frame_x frame_y
    read -r frame_x frame_y <<<"$(grep -E "XCB_CONFIGURE_NOTIFY \(window $frame\) " "$log" | tail -n 1 |
        sed -E 's/.*\) (-?[0-9]+),(-?[0-9]+) @.*/\1 \2/')"
    [ -n "$frame_x" ] && echo "$((frame_x + inset_x)) $((frame_y + inset_y))"
}
# Waits up to 15 s for the window to be at (X, Y), give or take SLACK pixels (default 0);
# sets x and y to where it is.
wait_for_place() {
    local slack=${3:-0}
    for _ in $(seq 1 150); do
        read -r x y <<<"$(window_place)"
        [ -n "$x" ] && [ $((x - $1)) -le "$slack" ] && [ $(($1 - x)) -le "$slack" ] &&
            [ $((y - $2)) -le "$slack" ] && [ $(($2 - y)) -le "$slack" ] && return 0
        sleep 0.1
    done
    return 1
}

# The screen: the colour of a pixel of the last screenshot.
shoot() { import -window root "$work/screen.png"; }
colour() { convert "$work/screen.png" -format "%[pixel:p{$1,$2}]" info:; }
# Whether the screen shows the title bar with its top-left corner at (X, Y): its colour at
# two spots of the bar left of the caption (where the pointer is not), and not above it.
title_shown_at() {
    shoot
    [ "$(colour $(($1 + 20)) $(($2 + 8)))" = "$title" ] && [ "$(colour $(($1 + 40)) $(($2 + 16)))" = "$title" ] &&
        [ "$(colour $(($1 + 20)) $(($2 - 6)))" != "$title" ]
}
wait_for_title_at() {
    for _ in $(seq 1 100); do title_shown_at "$1" "$2" && return 0; sleep 0.1; done
    return 1
}

# The pointer, walked in small steps: Weston follows it by its movements. Weston and the
# program take the steps in the order they were made, so no step has to wait for another.
walk_to() {
    while [ "$px" != "$1" ] || [ "$py" != "$2" ]; do
        local dx=$(($1 - px)) dy=$(($2 - py))
        dx=$((dx > 10 ? 10 : dx < -10 ? -10 : dx))
        dy=$((dy > 10 ? 10 : dy < -10 ? -10 : dy))
        px=$((px + dx)) py=$((py + dy))
        xdotool mousemove "$px" "$py"
    done
}
# Waits up to 15 s for XWayland to have the pointer at (X, Y) over the program's window, where a
# press goes to it: after a drag that the compositor carried out, XWayland learns where the
# window and the pointer are only as the compositor tells it. Small moves on the spot make it
# tell.
pointer_seen_at() {
    local seen
    seen=$(DISPLAY=$xdisplay xdotool getmouselocation 2>/dev/null)
    [ "$seen" = "x:$1 y:$2 screen:0 window:$id" ]
}
wait_for_pointer_seen_at() {
    for _ in $(seq 1 150); do
        pointer_seen_at "$1" "$2" && return 0
        xdotool mousemove $(($1 + 1)) "$2" mousemove "$1" "$2"
        sleep 0.1
    done
    fail "XWayland never had the pointer at $1 $2 over the window: $(DISPLAY=$xdisplay xdotool getmouselocation)"
}

# The program asked the compositor (after line $1 of its log) to take the drag over.
handed_over='_NET_WM_MOVERESIZE [0-9]+ [0-9]+ 8 1 '

mark=$(log_end)
DISPLAY=$xdisplay WAYLAND_DISPLAY=quibbet-drag XDG_SESSION_TYPE=wayland start_quibbet
id=$(DISPLAY=$xdisplay wait_for_window) || fail "the window never mapped through XWayland"
wait_for_mapping "$mark"
# Weston maps the window where the program first places it, (295, 169).
wait_for_place 295 169 || fail "the compositor put the window at $(window_place), not at 295 169"
# Drawn: the bar's colour (0xFF8080, red in the low byte) at two spots left of the caption,
# and not above the window.
title="srgb(128,128,255)"
wait_for_title_at "$x" "$y" ||
    fail "the title bar was never drawn at the window's place ($x, $y): $(colour $((x + 20)) $((y + 8)))"

# The pointer starts inside Weston's window, where Weston never saw it enter and so takes no
# motion from it: it comes in from outside.
xdotool mousemove 1200 1000
px=500 py=500
xdotool mousemove "$px" "$py"

# The first drag: the program moves the window itself until it finds that its moves are
# ignored; small moves at the grab point then last until it has handed the drag over.
grab_x=$((x + 60)) grab_y=$((y + 8))
walk_to "$grab_x" "$grab_y"
wait_for_pointer_seen_at "$grab_x" "$grab_y"
mark=$(log_end)
xdotool mousedown 1
for _ in $(seq 1 500); do
    log_has "$mark" "$handed_over" && break
    xdotool mousemove $((grab_x + 1)) "$grab_y" mousemove "$grab_x" "$grab_y"
    sleep 0.02 # the program hands over after a quarter of a second of ignored moves
done
log_has "$mark" "$handed_over" || fail "the first drag was never handed to the window manager"
start_x=$x start_y=$y
walk_to $((grab_x + 200)) $((grab_y + 100))
xdotool mouseup 1
wait_for_place $((start_x + 200)) $((start_y + 100)) 1 ||
    fail "after the first drag the window is at $(window_place), not near $((start_x + 200)) $((start_y + 100))"
wait_for_title_at "$x" "$y" || fail "after the first drag the title bar is not drawn where the window is ($x, $y)"

# The next drag is the window manager's from its start: the window follows the pointer exactly.
grab_x=$((x + 60)) grab_y=$((y + 8))
walk_to "$grab_x" "$grab_y"
mark=$(log_end)
wait_for_pointer_seen_at "$grab_x" "$grab_y"
xdotool mousedown 1
wait_for_log "$mark" "$handed_over" >/dev/null || fail "the second drag was not handed to the window manager at its start"
start_x=$x start_y=$y
walk_to $((grab_x - 150)) $((grab_y + 120))
xdotool mouseup 1
wait_for_place $((start_x - 150)) $((start_y + 120)) ||
    fail "after the second drag the window is at $(window_place), not at $((start_x - 150)) $((start_y + 120))"
wait_for_title_at "$x" "$y" || fail "after the second drag the title bar is not drawn where the window is ($x, $y)"

# Minimise: Weston ignores the request, so the program hides the window instead, and --toggle
# shows it again where it was.
shown_x=$x shown_y=$y
mark=$(log_end)
walk_to $((x + 267)) $((y + 14)) # the minimise button, 18 x 18 at (258, 5)
wait_for_pointer_seen_at $((x + 267)) $((y + 14))
xdotool click 1
wait_for_log "$mark" 'WM_CHANGE_STATE' >/dev/null || fail "the minimise button did not ask to minimise the window"
DISPLAY=$xdisplay wait_for_map_state "$id" IsUnMapped || fail "the minimise button did not take the window away"
mark=$(log_end)
DISPLAY=$xdisplay WAYLAND_DISPLAY=quibbet-drag XDG_SESSION_TYPE=wayland timeout 10 "$QUIBBET" --toggle ||
    fail "--toggle did not return"
DISPLAY=$xdisplay wait_for_window >/dev/null || fail "--toggle did not show the hidden window again"
wait_for_mapping "$mark"
wait_for_place "$shown_x" "$shown_y" ||
    fail "the window hidden at $shown_x $shown_y came back at $(window_place)"
wait_for_title_at "$x" "$y" || fail "the window shown again is not drawn where the compositor placed it ($x, $y)"
# Hidden and shown again and again, it keeps its place.
toggle() {
    DISPLAY=$xdisplay WAYLAND_DISPLAY=quibbet-drag XDG_SESSION_TYPE=wayland timeout 10 "$QUIBBET" --toggle ||
        fail "--toggle did not return"
}
for round in 1 2 3 4 5 6; do
    id=$(DISPLAY=$xdisplay wait_for_window) || fail "the window is not shown"
    toggle
    DISPLAY=$xdisplay wait_for_map_state "$id" IsUnMapped || fail "--toggle did not hide the window"
    mark=$(log_end)
    toggle
    wait_for_mapping "$mark"
    wait_for_place "$shown_x" "$shown_y" ||
        fail "hidden and shown again $round more times, the window is at $(window_place), not at $shown_x $shown_y"
done
kill -0 "$pid" || fail "the program ended"
echo "weston-drag: passed"
