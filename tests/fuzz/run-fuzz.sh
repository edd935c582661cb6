#!/usr/bin/env bash
# Builds the statement fuzz target with clang in its own build folder and runs it for a
# bounded number of inputs (and at most ninety seconds).
# Usage: run-fuzz.sh SOURCE_DIR FUZZ_BUILD_DIR RUNS
set -euo pipefail
source_dir=$1
build_dir=$2
runs=$3
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DQUIBBET_FUZZ=ON -DQUIBBET_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build_dir" --target fuzz_statements -j2 >/dev/null
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cd "$build_dir"
log=$(mktemp)
status=0
"$build_dir/tests/fuzz/fuzz_statements" -runs="$runs" -max_total_time=90 -max_len=512 -seed=1 "$corpus" \
    >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    grep -v '^#' "$log" | head -n 60
else
    tail -n 3 "$log"
fi
rm -f "$log"
exit "$status"
