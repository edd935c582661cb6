#!/usr/bin/env bash
# On a Wayland desktop (a headless Weston with XWayland, the session's variables set as a
# Wayland desktop sets them): Quibbet runs through XWayland, maps at 287 x 325, and --toggle
# hides the window and shows it again, although Weston ignores the X request to minimise
# it; on the native Wayland platform it starts, and --toggle hides the window and shows it
# again at its size. No synthetic input goes to the headless XWayland: it does not survive
# it. What the window system holds is read with queries alone.
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
    wait_for_map_state "$id" IsViewable || fail "--toggle did not show the window again through XWayland"
done
kill -0 "$pid" || fail "the program ended"
kill "$pid"
wait "$pid" 2>/dev/null || true

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
