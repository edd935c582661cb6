#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quibbet in the current directory
# (its notes file clipdata.dat lives there).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
build_quibbet
exec "$QUIBBET_BUILD/app/quibbet" "$@"
