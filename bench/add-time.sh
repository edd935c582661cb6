#!/usr/bin/env bash
# Times `quibbet --add TEXT` from process start to exit, on a notes file of NOTES notes, once
# with no Quibbet running and once beside a Quibbet whose window shows the same file (under a
# private Xvfb). The two take turns run by run, so a load that comes and goes on the machine
# falls on both alike; each starts with one unmeasured add. Prints medians of RUNS runs.
#
# Usage: bench/add-time.sh BUILD_DIR [NOTES]
#   NOTES: the notes in the file before the first add, written by make_notes (default 1000;
#   0 starts with no file).
# Variables: RUNS (default 9).
set -euo pipefail
build=$(cd "${1:?usage: add-time.sh BUILD_DIR [NOTES]}" && pwd)
shift
notes=${1:-1000}
here=$(cd "$(dirname "$0")" && pwd)
case $notes in '' | *[!0-9]*) echo "add-time.sh: '$notes' is no number of notes" >&2; exit 2 ;; esac

if [ -z "${DISPLAY:-}" ] || [ "${ADD_TIME_INNER:-}" != 1 ]; then
    ADD_TIME_INNER=1 exec "$here/../tests/e2e/with-xvfb.sh" "$0" "$build" "$@"
fi

runs=${RUNS:-9}
quibbet=$build/app/quibbet
work=$(mktemp -d)
window=""
trap '[ -n "$window" ] && kill "$window" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/alone" "$work/beside"
if [ "$notes" -gt 0 ]; then
    "$build/bench/make_notes" "$work/alone/clipdata.dat" "$notes" >/dev/null 2>&1
    cp "$work/alone/clipdata.dat" "$work/beside/clipdata.dat"
fi

# The window on the second folder's file, mapped before anything is measured.
cd "$work/beside"
coproc WAITER { timeout 120 "$build/bench/wait_mapped"; }
read -r _ <&"${WAITER[0]}"
"$quibbet" >/dev/null 2>&1 &
window=$!
wait "$WAITER_PID" || { echo "add-time.sh: the window did not map" >&2; exit 1; }

# Milliseconds (three decimals) one add takes in the folder.
measure() {
    local start end
    cd "$1"
    start=$(date +%s%N)
    "$quibbet" --add "a note from a script, run $2" || { echo "add-time.sh: --add failed in $1" >&2; exit 1; }
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN {printf "%.3f\n", ns / 1e6}'
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

measure "$work/alone" 0 >/dev/null
measure "$work/beside" 0 >/dev/null
for run in $(seq 1 "$runs"); do
    measure "$work/alone" "$run" >>"$work/alone.ms"
    measure "$work/beside" "$run" >>"$work/beside.ms"
done
kill -0 "$window" || { echo "add-time.sh: the window ended" >&2; exit 1; }
[ "$(sqlite3 "$work/beside/clipdata.dat" "select count(*) from notes_main where content like 'a note from a script%'")" = $((runs + 1)) ] ||
    { echo "add-time.sh: the notes added beside the window are not all stored" >&2; exit 1; }

printf '%-26s %10s   (medians of %s runs on %s notes; range)\n' "quibbet --add" "ms" "$runs" "$notes"
for what in alone beside; do
    label=$([ "$what" = alone ] && echo "no Quibbet running" || echo "beside a running Quibbet")
    printf '%-26s %10s   (%s-%s ms)\n' "$label" "$(median <"$work/$what.ms")" \
        "$(sort -n "$work/$what.ms" | head -n 1)" "$(sort -n "$work/$what.ms" | tail -n 1)"
done
