#!/usr/bin/env bash
# Runs a command against a private Xvfb server that this script starts and stops.
# Usage: with-xvfb.sh COMMAND [ARGS...]   (DISPLAY is set for the command)
set -euo pipefail

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 20 display_number <"$fifo"
export DISPLAY=":$display_number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$@"
