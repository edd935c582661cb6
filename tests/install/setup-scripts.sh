#!/usr/bin/env bash
# The build step shared by scripts/run.sh and scripts/test.sh decides when build/ must be
# configured again. A cmake that only records its arguments stands in for the real one, so
# what is checked is the decision: a setting the cache does not hold (warnings as errors
# after run.sh configured build/ without them) configures again, a cache that already
# agrees is left alone, and named targets are the only ones built.
# Usage: setup-scripts.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/build"
cat >"$work/bin/cmake" <<'FAKE'
#!/bin/sh
echo "$*" >>"$CMAKE_CALLS"
FAKE
chmod +x "$work/bin/cmake"
export CMAKE_CALLS=$work/calls PATH=$work/bin:$PATH QUIBBET_BUILD=$work/build
# shellcheck source=../../scripts/common.sh
source "$source_dir/scripts/common.sh"

calls() { cat "$CMAKE_CALLS" 2>/dev/null; rm -f "$CMAKE_CALLS"; }
configured() { grep -q -- "-S $source_dir -B $work/build" <<<"$1"; }

build_quibbet -DQUIBBET_WERROR=ON
out=$(calls)
configured "$out" || fail "no cache, yet not configured: $out"
grep -q -- '-DQUIBBET_WERROR=ON' <<<"$out" || fail "the setting did not reach cmake: $out"

printf 'CMAKE_BUILD_TYPE:STRING=RelWithDebInfo\nQUIBBET_WERROR:BOOL=OFF\n' >"$work/build/CMakeCache.txt"
build_quibbet -DQUIBBET_WERROR=ON
out=$(calls)
configured "$out" || fail "a cache with warnings as errors OFF was not configured again: $out"

sed -i 's/QUIBBET_WERROR:BOOL=OFF/QUIBBET_WERROR:BOOL=ON/' "$work/build/CMakeCache.txt"
build_quibbet -DQUIBBET_WERROR=ON
out=$(calls)
! configured "$out" || fail "a cache that agrees was configured again: $out"
[ "$out" = "--build $work/build -j2" ] || fail "not a build of everything: $out"

build_quibbet -- quibbet
out=$(calls)
! configured "$out" || fail "configured without a setting to change: $out"
[ "$out" = "--build $work/build -j2 --target quibbet" ] || fail "not a build of the program alone: $out"
echo "setup scripts: passed"
