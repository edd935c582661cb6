#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test,
# the end-to-end ones included (each starts and stops its own Xvfb).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages clang libclang-rt-14-dev # the bounded fuzz run
build_quibbet -DQUIBBET_WERROR=ON
cd "$QUIBBET_BUILD"
ctest --output-on-failure -j2 "$@"
