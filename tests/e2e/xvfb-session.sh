#!/usr/bin/env bash
# Runs one command against a private X server and stops the server afterwards.
#   xvfb-session.sh [--wm] [--screen WxHxD] [--] command [args...]
# The server picks a free display itself (-displayfd), so parallel runs never collide.
# --wm starts openbox first, for tests that need focus and stacking handled as on a desktop.
# The command sees a plain X11 session: no Wayland, no session bus of the caller.
set -euo pipefail

with_wm=0
screen=1024x768x24
while [ $# -gt 0 ]; do
    case "$1" in
    --wm) with_wm=1; shift ;;
    --screen) screen=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--wm] [--screen WxHxD] [--] command [args...]" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
    grep -q . "$work/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
grep -q . "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
export XDG_SESSION_TYPE=x11

if [ "$with_wm" = 1 ]; then
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    # Ready once it has claimed the window manager selection.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi

set +e
"$@"
status=$?
set -e
exit $status
