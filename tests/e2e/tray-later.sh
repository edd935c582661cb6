#!/usr/bin/env bash
# The tray test with the tray host started after Quibbet.
TRAY_LATER=1 exec "$(dirname "$0")/tray.sh"
