#!/usr/bin/env bash
# Builds the statement fuzz target with clang in its own build folder and fuzzes it for a
# number of seconds; the test suite runs it briefly, a longer hunt is the same command with
# more seconds, e.g. tests/fuzz/run-fuzz.sh . build/fuzz 3600
# Usage: run-fuzz.sh SOURCE_DIR FUZZ_BUILD_DIR SECONDS
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 SOURCE_DIR FUZZ_BUILD_DIR SECONDS" >&2; exit 2; }
source_dir=$(cd "$1" && pwd)
build_dir=$2
seconds=$3
case $seconds in
'' | *[!0-9]* | 0) echo "run-fuzz: SECONDS must be a whole number above 0, not '$seconds'" >&2; exit 2 ;;
esac
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DQUIBBET_FUZZ=ON -DQUIBBET_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build_dir" --target fuzz_statements -j2 >/dev/null
corpus=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$corpus" "$log"' EXIT
cd "$build_dir"
status=0
"$build_dir/tests/fuzz/fuzz_statements" -max_total_time="$seconds" -max_len=512 -seed=1 "$corpus" \
    >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    grep -v '^#' "$log" | head -n 60
else
    tail -n 3 "$log"
fi
exit "$status"
