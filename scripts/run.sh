#!/usr/bin/env bash
# Installs what is missing, builds the program alone, and starts Quibbet in the current
# directory (its notes file clipdata.dat lives there); returns when Quibbet quits.
# A first build takes warnings as errors like test.sh's, so the two share one build/;
# a build/ that exists keeps its own setting.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
if [ -f "$QUIBBET_BUILD/CMakeCache.txt" ]; then
    build_quibbet -- quibbet
else
    build_quibbet -DQUIBBET_WERROR=ON -- quibbet
fi
exec "$QUIBBET_BUILD/app/quibbet" "$@"
