#!/usr/bin/env bash
# Runs a command against a private Xvfb server that this script starts and stops.
# Usage: with-xvfb.sh COMMAND [ARGS...]   (DISPLAY is set for the command)
#
# Tests run two at a time and other servers may share the machine, so the display number is
# picked at random from a high range rather than "the first free one": a server being torn
# down on a low number must never take a new test's socket with it. The server counts as
# started only once a client has connected to it; otherwise another number is tried.
# -noreset: by default the server resets whenever its last client leaves, and a program that
# connects during that reset is refused; the test's own probes (xdotool polling for the
# window while the program is still starting) would otherwise make starts fail at random.
set -euo pipefail

xvfb_pid=""
fifo=$(mktemp -u)
stop_xvfb() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}
trap 'stop_xvfb; rm -f "$fifo"' EXIT

started=""
for attempt in 1 2 3 4 5; do
    number=$((100 + RANDOM % 3900))
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    reported=""
    read -r -t 30 reported <"$fifo" || true
    if [ "$reported" = "$number" ] && DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
        started=yes
        break
    fi
    echo "with-xvfb: no X server on :$number (attempt $attempt), trying another number" >&2
    stop_xvfb
done
[ -n "$started" ] || { echo "with-xvfb: could not start Xvfb" >&2; exit 1; }

export DISPLAY=":$number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$@"
