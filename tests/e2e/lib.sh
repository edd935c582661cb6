# Helpers for end-to-end tests; sourced by each test script, which runs under with-xvfb.sh.
set -euo pipefail

QUIBBET=${QUIBBET:?QUIBBET must name the built program}
# The program's own output goes with every failure: it often says why.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/log" ]; then
        echo "--- the program's output:" >&2
        cat "$work/log" >&2
    fi
    exit 1
}

# Makes an empty folder and goes there; at exit what the test started goes with it, and then
# the folder. The program writes its last state into the folder as it ends, and the services of
# a private session (a portal mounts its files in the runtime folder) hold it while they run,
# so the folder goes only once each has ended: the program (pid), the processes that use the
# test's runtime folder, the session bus (bus_pid) and the compositor or window manager
# (wm_pid, which may hold several), in that order.
pid=""
wm_pid=""
bus_pid=""
# Ends the processes and waits up to 10 s for them to go; those still there are killed.
end_processes() {
    [ $# -gt 0 ] || return 0
    kill "$@" 2>/dev/null || true
    local p
    for _ in $(seq 1 100); do
        for p in "$@"; do kill -0 "$p" 2>/dev/null && break; p=""; done
        [ -z "$p" ] && return 0
        sleep 0.1
    done
    kill -KILL "$@" 2>/dev/null || true
}
# The processes other than this shell that were started with the test's runtime folder (a
# bus's services inherit it from the bus).
runtime_users() {
    [ -n "${XDG_RUNTIME_DIR:-}" ] && [ -n "${work:-}" ] && [[ $XDG_RUNTIME_DIR == "$work"/* ]] || return 0
    grep -lzx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" /proc/[0-9]*/environ 2>/dev/null |
        sed 's|/proc/\([0-9]*\)/environ|\1|' | grep -v -x -e "$$" -e "$BASHPID" || true
}
end_test() {
    # shellcheck disable=SC2046,SC2086
    {
        end_processes $pid
        end_processes $(runtime_users)
        end_processes $bus_pid
        end_processes $wm_pid
    }
    # A mount left by a process that could not be ended would keep the folder.
    local mount
    for mount in $(awk -v work="$work/" 'index($2, work) == 1 {print $2}' /proc/mounts 2>/dev/null); do
        fusermount3 -u -z "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
    done
    rm -rf "$work"
}
enter_empty_folder() {
    work=$(mktemp -d)
    trap end_test EXIT
    cd "$work"
}

# A runtime folder of the test's own ($work/runtime, as XDG_RUNTIME_DIR) with a session bus of
# its own, so that what the program asks of the session (the portal) is started for this test
# alone and ends with it. Sets bus_pid.
start_private_session() {
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    local address
    exec {bus_fd}< <(dbus-daemon --session --nofork --nosyslog --print-address=1 --print-pid=1 \
        --address="unix:path=$XDG_RUNTIME_DIR/bus" 2>/dev/null)
    read -r -t 20 address <&"$bus_fd" && read -r -t 20 bus_pid <&"$bus_fd" ||
        fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS=$address
}

# Starts the built program in the current folder, its output in $work/log; sets pid.
start_quibbet() {
    "$QUIBBET" "$@" >"$work/log" 2>&1 &
    pid=$!
}

# Prints the id of a visible window whose title matches the pattern (default: the main
# window's, '^Quibbet$') once it is mapped; waits up to 30 s.
wait_for_window() {
    local title=${1:-'^Quibbet$'} id=""
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# "X Y W H" of a window, from the window system.
window_geometry() {
    local info
    info=$(xwininfo -id "$1")
    local x y w h
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/Width:/ {print $2}' <<<"$info")
    h=$(awk '/Height:/ {print $2}' <<<"$info")
    echo "$x $y $w $h"
}

# Starts Weston with XWayland on the given back end (headless-backend.so, x11-backend.so) and
# Wayland socket name, at WIDTHxHEIGHT, in the test's private session (see
# start_private_session), its log in $work/weston.log; further arguments go to Weston. Sets
# wm_pid and xdisplay, the display XWayland listens on.
start_weston() {
    local backend=$1 socket=$2 size=$3
    shift 3
    [ -n "$bus_pid" ] || start_private_session
    weston --backend="$backend" --xwayland --socket="$socket" --width="${size%x*}" --height="${size#*x}" \
        --log="$work/weston.log" "$@" >/dev/null 2>&1 &
    wm_pid="$wm_pid $!"
    for _ in $(seq 1 200); do grep -q 'listening on display' "$work/weston.log" 2>/dev/null && break; sleep 0.1; done
    xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    [ -n "$xdisplay" ] || fail "weston did not start XWayland: $(cat "$work/weston.log")"
}

# Starts GNOME's compositor (mutter) headless at WIDTHxHEIGHT with XWayland, as a GNOME
# session without a tray has it, in the test's private session, its log in $work/mutter.log.
# Sets wm_pid, and xdisplay and XAUTHORITY for its XWayland, and exports WAYLAND_DISPLAY.
start_mutter() {
    local size=$1
    [ -n "$bus_pid" ] || start_private_session
    export WAYLAND_DISPLAY=quibbet-mutter
    mutter --wayland --headless --virtual-monitor "$size" --wayland-display="$WAYLAND_DISPLAY" \
        >"$work/mutter.log" 2>&1 &
    wm_pid="$wm_pid $!"
    for _ in $(seq 1 300); do grep -q 'Using public X11 display' "$work/mutter.log" 2>/dev/null && break; sleep 0.1; done
    xdisplay=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/mutter.log")
    [ -n "$xdisplay" ] || fail "mutter did not start XWayland: $(tail -n 5 "$work/mutter.log")"
    XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
    export XAUTHORITY
    for _ in $(seq 1 200); do DISPLAY=$xdisplay xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "mutter's XWayland does not answer on $xdisplay"
}

# What the X server holds of a window: IsViewable or IsUnMapped (or nothing once it is gone).
map_state() {
    xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ {print $3}'
}
# Waits up to 15 s for a window to reach a map state.
wait_for_map_state() {
    local id=$1 wanted=$2
    for _ in $(seq 1 150); do
        [ "$(map_state "$id")" = "$wanted" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits for the main window and gives it the focus; sets id, and x and y, its top-left corner.
wait_for_main_window() {
    id=$(wait_for_window) || fail "the window never mapped"
    read -r x y _ _ <<<"$(window_geometry "$id")"
    xdotool windowfocus --sync "$id"
}

# A click on the note list, which then has the keyboard focus.
focus_list() { xdotool mousemove $((x + 140)) $((y + 150)) click 1; sleep 0.3; }

# Tries the command every 0.1 s until it succeeds, for up to 5 s; fails as its last try did.
eventually() {
    for _ in $(seq 1 50); do "$@" && return 0; sleep 0.1; done
    "$@"
}

# Succeeds when no visible window has a title matching the pattern.
window_gone() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
