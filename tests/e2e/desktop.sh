# Helpers for end-to-end tests of window behaviour; sourced after lib.sh. They need a window
# manager (focus, stacking, minimising) and a session that is plain X11.
unset XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS
export XDG_SESSION_TYPE=x11

# Starts openbox on the test's display and waits until it manages windows.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 1 400); do # up to 20 s: CI runs two tests at a time on two cores
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    fail "openbox did not start"
}

# The program's main window, mapped or not (its class is set only on that window).
main_window() {
    xdotool search --classname '^quibbet$' 2>/dev/null | head -n 1
}

active_window() {
    xdotool getactivewindow 2>/dev/null || true
}

# Waits up to 15 s for the window to be the active one.
wait_for_active() {
    for _ in $(seq 1 150); do
        [ "$(active_window)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Whether Num Lock is on, as the server's keyboard state says.
num_lock_on() {
    xset q | grep -q 'Num Lock: *on'
}
