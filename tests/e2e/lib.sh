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

# Makes an empty folder and goes there; at exit the program (pid), a window manager
# (wm_pid) where one was started, and the folder go with the test. The program writes its
# last state into the folder as it ends, so the folder goes only once the program has.
pid=""
wm_pid=""
end_test() {
    kill $pid $wm_pid 2>/dev/null || true
    for _ in $(seq 1 100); do
        [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$work"
}
enter_empty_folder() {
    work=$(mktemp -d)
    trap end_test EXIT
    cd "$work"
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
# Wayland socket name, at WIDTHxHEIGHT, with a private runtime folder, its log in
# $work/weston.log; further arguments go to Weston. Sets wm_pid and xdisplay, the display
# XWayland listens on.
start_weston() {
    local backend=$1 socket=$2 size=$3
    shift 3
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    weston --backend="$backend" --xwayland --socket="$socket" --width="${size%x*}" --height="${size#*x}" \
        --log="$work/weston.log" "$@" >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 1 200); do grep -q 'listening on display' "$work/weston.log" 2>/dev/null && break; sleep 0.1; done
    xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    [ -n "$xdisplay" ] || fail "weston did not start XWayland: $(cat "$work/weston.log")"
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
