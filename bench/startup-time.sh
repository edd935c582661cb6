#!/usr/bin/env bash
# Times process start to the main window being mapped under a private Xvfb, for Quibbet at
# N = 0 and N = 100,000 notes and for a minimal Qt Widgets window, and reads Quibbet's peak
# memory (VmHWM) once its window is up. Prints medians of RUNS runs (default 7).
# Usage: bench/startup-time.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: startup-time.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-7}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DISPLAY:-}" ] || [ "${STARTUP_TIME_INNER:-}" != 1 ]; then
    STARTUP_TIME_INNER=1 exec "$here/../tests/e2e/with-xvfb.sh" "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/n0" "$work/n100k"
"$build/bench/make_notes" "$work/n100k/clipdata.dat" 100000 2>/dev/null | tee "$work/textbytes"

# Milliseconds from start to the window with the given title being mapped; peak RSS in kB.
measure() {
    local folder=$1
    shift
    local start end pid hwm waiter
    cd "$folder"
    coproc WAITER { "$build/bench/wait_mapped"; }
    waiter=$WAITER_PID
    read -r _ <&"${WAITER[0]}"
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    wait "$waiter" || true
    end=$(date +%s%N)
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

for what in minimal n0 n100k; do
    : >"$work/$what.times"
    : >"$work/$what.mem"
    for _ in $(seq 1 "$runs"); do
        case $what in
            minimal) out=$(measure "$work/n0" "$build/bench/minimal_window") ;;
            n0) rm -f "$work/n0/clipdata.dat"; out=$(measure "$work/n0" "$build/app/quibbet") ;;
            n100k) out=$(measure "$work/n100k" "$build/app/quibbet") ;;
        esac
        echo "${out% *}" >>"$work/$what.times"
        echo "${out#* }" >>"$work/$what.mem"
    done
    printf '%-8s start-up median %s ms, peak memory median %s kB\n' "$what" \
        "$(median <"$work/$what.times")" "$(median <"$work/$what.mem")"
done
