#!/usr/bin/env bash
# Times process start to the main window being mapped under a private Xvfb, for a minimal
# Qt Widgets window (the yardstick), for Quibbet in an empty folder and for Quibbet on notes
# files of several sizes, and reads each one's peak memory (VmHWM) once its window is mapped
# and again SETTLE seconds later, when whatever the program reads after showing its window
# has been read. The configurations take turns run by run, so a load that comes and goes on
# the machine falls on all of them alike; each is started once unmeasured first (page cache,
# and any one-time upgrade of a file's indexes). Prints medians of RUNS runs.
#
# Usage: bench/startup-time.sh BUILD_DIR [SIZE...]
#   SIZE: N, a file of N notes from make_notes; plain:N, one from make_notes_plain.sh (the
#   sqlite3 shell alone, without Quibbet's indexes). Default: $SIZES, or
#   "1000 100000 1000000 plain:1000000".
# Variables: RUNS (default 5); SETTLE (seconds before the second VmHWM, default 3);
#   QUIBBET_BENCH_DATA, a folder that keeps the generated files for later runs (without it
#   they are made anew, about a minute for a million notes). Each run works on a copy.
set -euo pipefail
build=$(cd "${1:?usage: startup-time.sh BUILD_DIR [SIZE...]}" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DISPLAY:-}" ] || [ "${STARTUP_TIME_INNER:-}" != 1 ]; then
    STARTUP_TIME_INNER=1 exec "$here/../tests/e2e/with-xvfb.sh" "$0" "$build" "$@"
fi

runs=${RUNS:-5}
settle=${SETTLE:-3}
if [ $# -gt 0 ]; then
    sizes=("$@")
else
    read -r -a sizes <<<"${SIZES:-1000 100000 1000000 plain:1000000}"
fi
for size in "${sizes[@]}"; do
    case ${size#plain:} in
        '' | *[!0-9]*) echo "startup-time.sh: '$size' is neither a number of notes nor plain:N" >&2; exit 2 ;;
    esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cache=${QUIBBET_BENCH_DATA:-$work/generated}
mkdir -p "$cache"

# The file for one SIZE, made once per generator: a changed generator (make_notes is rebuilt
# whenever the store changes) or script gets new names, so a cached file is never stale.
notes_file() {
    local size=$1 key file
    if [ "${size#plain:}" != "$size" ]; then
        key=$(sha1sum "$here/make_notes_plain.sh" | cut -c1-12)
        file="$cache/plain-${size#plain:}-$key.dat"
        [ -e "$file" ] || "$here/make_notes_plain.sh" "$file" "${size#plain:}" >&2
    else
        key=$(sha1sum "$build/bench/make_notes" | cut -c1-12)
        file="$cache/notes-$size-$key.dat"
        if [ ! -e "$file" ]; then
            "$build/bench/make_notes" "$file.partial" "$size" >&2
            mv "$file.partial" "$file"
        fi
    fi
    echo "$file"
}

# Prints: milliseconds from start to the window titled "Quibbet" being mapped, VmHWM in kB
# then, and VmHWM in kB $settle seconds later.
measure() {
    local folder=$1
    shift
    local start end pid hwm later waiter
    cd "$folder"
    coproc WAITER { timeout 120 "$build/bench/wait_mapped"; }
    waiter=$WAITER_PID
    read -r _ <&"${WAITER[0]}"
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    if ! wait "$waiter"; then
        kill "$pid" 2>/dev/null || true
        echo "startup-time.sh: no window was mapped within 120 s by $* in $folder" >&2
        exit 1
    fi
    end=$(date +%s%N)
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    sleep "$settle"
    later=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo "$hwm")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $hwm $later"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One folder per configuration, with its own copy of the file.
configs=(minimal empty)
mkdir -p "$work/minimal" "$work/empty"
for size in "${sizes[@]}"; do
    configs+=("$size")
    folder="$work/${size/:/-}"
    mkdir -p "$folder"
    cp "$(notes_file "$size")" "$folder/clipdata.dat"
done

run_once() {
    case $1 in
        minimal) measure "$work/minimal" "$build/bench/minimal_window" ;;
        empty) rm -f "$work/empty/clipdata.dat"; measure "$work/empty" "$build/app/quibbet" ;;
        *) measure "$work/${1/:/-}" "$build/app/quibbet" ;;
    esac
}

for what in "${configs[@]}"; do
    run_once "$what" >/dev/null
    : >"$work/${what/:/-}.results"
done
for _ in $(seq 1 "$runs"); do
    for what in "${configs[@]}"; do
        run_once "$what" >>"$work/${what/:/-}.results"
    done
done

printf '%-16s %10s %16s %16s   (medians of %s runs; start-up range)\n' what "start ms" "VmHWM mapped MB" \
    "VmHWM +${settle}s MB" "$runs"
for what in "${configs[@]}"; do
    results="$work/${what/:/-}.results"
    ms=$(awk '{print $1}' "$results" | median)
    mapped=$(awk '{print $2}' "$results" | median)
    later=$(awk '{print $3}' "$results" | median)
    range=$(awk '{print $1}' "$results" | sort -n | awk 'NR == 1 {lo = $1} {hi = $1} END {print lo "-" hi}')
    awk -v what="$what" -v ms="$ms" -v mapped="$mapped" -v later="$later" -v range="$range" \
        'BEGIN {printf "%-16s %10s %16.1f %16.1f   (%s ms)\n", what, ms, mapped / 1024, later / 1024, range}'
    if [ "$what" = minimal ]; then
        minimal_ms=$ms
        minimal_kb=$mapped
    fi
done
awk -v ms="$minimal_ms" -v kb="$minimal_kb" 'BEGIN {
    printf "Against the minimal window: start-up 1.5 x %s + 30 = %.0f ms; VmHWM %.1f + 40 = %.1f MB\n",
        ms, 1.5 * ms + 30, kb / 1024, kb / 1024 + 40 }'
