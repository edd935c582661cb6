#!/usr/bin/env bash
# On a Wayland desktop (a headless Weston with XWayland, the session's variables set as a
# Wayland desktop sets them): Quibbet runs through XWayland, maps at 287 x 325, and --toggle
# hides the window and shows it again, although Weston ignores the X request to minimise
# it. On GNOME's compositor (a headless mutter, with neither a tray nor F9: the portal has no
# global shortcuts) minimising leaves a minimised window, which the window list brings back.
# On the native Wayland platform it starts, and --toggle hides the window and shows it again
# at its size. No synthetic input goes to a headless XWayland: Weston's does not survive it.
# What the window system holds is read with queries alone.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
command -v weston >/dev/null || { echo "SKIP: wayland needs weston (Debian package weston)"; exit 77; }
command -v Xwayland >/dev/null || { echo "SKIP: wayland needs Xwayland (Debian package xwayland)"; exit 77; }

enter_empty_folder
start_weston headless-backend.so quibbet-e2e 1280x1024
export DISPLAY=$xdisplay WAYLAND_DISPLAY=quibbet-e2e XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

# --toggle from the program's folder: answered by the running program, so it returns.
toggle() {
    timeout 10 "$QUIBBET" --toggle || fail "--toggle did not return"
}

start_quibbet
id=$(wait_for_window) || fail "the window never mapped through XWayland"
read -r _ _ w h <<<"$(window_geometry "$id")"
[ "$w x $h" = "287 x 325" ] || fail "the window maps at $w x $h through XWayland"
for _ in 1 2; do
    toggle
    wait_for_map_state "$id" IsUnMapped || fail "--toggle did not hide the window through XWayland"
    toggle
    id=$(wait_for_window) || fail "--toggle did not show the window again through XWayland"
done
kill -0 "$pid" || fail "the program ended"
kill "$pid"
wait "$pid" 2>/dev/null || true

# GNOME's compositor keeps a minimised X window mapped: it is Iconic all the same, and stays
# so, on the window list, until the window list (_NET_ACTIVE_WINDOW) or --toggle brings it back.
if ! command -v mutter >/dev/null; then
    echo "SKIP: the GNOME part needs mutter (Debian package mutter)"
    exit 77
fi
weston_display=$DISPLAY
start_mutter 1280x1024
export DISPLAY=$xdisplay XDG_CURRENT_DESKTOP=GNOME
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }
wm_state_is() { [ "$(wm_state "$1")" = "$2" ]; }
listed() { xprop -root _NET_CLIENT_LIST | grep -q -i "$(printf '0x%x' "$1")"; }
start_quibbet
id=$(wait_for_window) || fail "the window never mapped on GNOME's compositor: $(tail -n 5 "$work/mutter.log")"
eventually wm_state_is "$id" Normal || fail "the window on GNOME's compositor is $(wm_state "$id"), not Normal"
for way_back in window-list toggle; do
    toggle
    eventually wm_state_is "$id" Iconic || fail "--toggle on GNOME left the window $(wm_state "$id"), not minimised"
    # Minimised it stays, past the time the program gives a window manager to take the request.
    for _ in $(seq 1 15); do
        wm_state_is "$id" Iconic || fail "the minimised window became $(wm_state "$id") on GNOME"
        sleep 0.1
    done
    listed "$id" || fail "the minimised window is not on GNOME's window list"
    if [ "$way_back" = window-list ]; then
        xdotool windowactivate "$id" 2>/dev/null || true
    else
        toggle
    fi
    eventually wm_state_is "$id" Normal || fail "the $way_back did not bring the minimised window back on GNOME"
    wait_for_map_state "$id" IsViewable || fail "the window brought back by the $way_back is not shown"
done

# Docked at the top edge, through XWayland, whose pointer stays over the window when the real
# one goes on to the desktop or a Wayland window: the strip rolls up when another program takes
# the focus, and, not in use, once the pointer has rested a moment. (The pointer moved here is
# XWayland's alone: the compositor never sees it.)
height_of() { read -r _ _ _ h <<<"$(window_geometry "$id")"; echo "$h"; }
height_is() { [ "$(height_of)" = "$1" ]; }
xdotool windowmove "$id" 100 10
eventually eval '[ "$(window_geometry "$id")" = "100 0 287 325" ]' || fail "the window did not snap to the top"
xdotool windowmove "$id" 100 5
# Docked once the program has taken that move: until then the pointer's going is tried again.
pointer_over_and_away_rolls_up() { xdotool mousemove 150 100 mousemove 900 700; height_is 24; }
eventually pointer_over_and_away_rolls_up ||
    fail "the docked window is $(height_of) pixels high with the pointer away, not 24"
xdotool mousemove 150 10 mousemove 150 100
eventually height_is 325 || fail "the strip is $(height_of) pixels high with the pointer over it, not 325"
mkdir "$work/other"
(cd "$work/other" && exec "$QUIBBET" >"$work/other.log" 2>&1) &
wm_pid="$wm_pid $!"
other=""
for _ in $(seq 1 300); do
    other=$(xdotool search --onlyvisible --name '^Quibbet$' 2>/dev/null | grep -v -x "$id" | head -n 1 || true)
    [ -n "$other" ] && break
    sleep 0.1
done
[ -n "$other" ] || fail "the second program's window never mapped: $(cat "$work/other.log")"
xdotool windowactivate "$other" 2>/dev/null || true
eventually height_is 24 || fail "with another program in front and the pointer left over it, the strip is $(height_of) pixels high"
xdotool mousemove 150 10 mousemove 160 10
eventually height_is 325 || fail "the strip did not unroll for the pointer over it"
eventually height_is 24 || fail "not in use, the strip did not roll up with the pointer resting ($(height_of) pixels high)"
kill -0 "$pid" || fail "the program ended on GNOME's compositor"
kill "$pid"
wait "$pid" 2>/dev/null || true
export DISPLAY=$weston_display WAYLAND_DISPLAY=quibbet-e2e
unset XDG_CURRENT_DESKTOP

# The native platform: what the program asks of the compositor shows when its window goes
# (the toplevel is destroyed) and comes back (a new toplevel with the window's title).
[ -n "$(ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so 2>/dev/null)" ] ||
    { echo "SKIP: the native part needs Qt's Wayland platform (Debian package qt6-wayland)"; exit 77; }
count() { grep -c "$1" "$work/log" || true; }
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client start_quibbet
for _ in $(seq 1 300); do [ "$(count 'set_title("Quibbet")')" -ge 1 ] && break; sleep 0.1; done
[ "$(count 'set_title("Quibbet")')" = 1 ] || fail "the window did not come up on the native platform"
# Drawn once the compositor configured it: its size, then its picture.
geometry='set_window_geometry(0, 0, 287, 325)'
for _ in $(seq 1 100); do [ "$(count 'wl_surface@[0-9]*\.attach')" -ge 1 ] && break; sleep 0.1; done
[ "$(count "$geometry")" = 1 ] || fail "the window did not come up at 287 x 325: $(grep set_window_geometry "$work/log")"
toggle
for _ in $(seq 1 100); do [ "$(count 'xdg_toplevel@[0-9]*\.destroy')" -ge 1 ] && break; sleep 0.1; done
[ "$(count 'xdg_toplevel@[0-9]*\.destroy')" = 1 ] || fail "--toggle did not hide the window on the native platform"
toggle
for _ in $(seq 1 100); do [ "$(count 'set_title("Quibbet")')" -ge 2 ] && break; sleep 0.1; done
[ "$(count 'set_title("Quibbet")')" = 2 ] || fail "--toggle did not show the window again on the native platform"
# The compositor places it where it likes (the help says so), but its size is kept.
for _ in $(seq 1 100); do [ "$(count 'wl_surface@[0-9]*\.attach')" -ge 2 ] && break; sleep 0.1; done
[ "$(count "$geometry")" = 2 ] && [ "$(count set_window_geometry)" = 2 ] ||
    fail "the window came back at another size: $(grep set_window_geometry "$work/log")"
kill -0 "$pid" || fail "the program ended"
echo "wayland: passed"
