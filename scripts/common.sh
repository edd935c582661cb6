# shellcheck shell=bash
# Shared by run.sh and test.sh: install what is missing, configure when needed, build.
set -euo pipefail

QUIBBET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUIBBET_BUILD=${QUIBBET_BUILD:-$QUIBBET_ROOT/build}

# What building and running Quibbet needs, and the tools of the screenshot script and the
# end-to-end tests (Xvfb and friends). Packages only the tests need go in QUIBBET_TEST_PACKAGES
# in test.sh instead.
QUIBBET_PACKAGES=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libsqlite3-dev sqlite3 libjpeg-dev
    libxcb1-dev libxcb-keysyms1-dev
    libbenchmark-dev
    fp-utils
    xvfb xdotool x11-utils x11-xserver-utils openbox dbus-daemon dbus-session-bus-common
    fonts-dejavu-core fonts-liberation
    desktop-file-utils appstream dpkg-dev file libglib2.0-bin
    qt6-qpa-plugins xdg-utils
    imagemagick
)

# Installs those of QUIBBET_PACKAGES and of the arguments that are not installed yet, as
# root directly or through sudo.
install_missing_packages() {
    local missing=()
    local pkg
    for pkg in "${QUIBBET_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}), or install sudo, then run this again." >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    echo "Installing ${#missing[@]} Debian packages and what they need: ${missing[*]}"
    # sudo drops the caller's environment, so the frontend setting goes through env.
    local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures build/ when it has no cache yet or when its cache holds another value for one
# of the -DNAME=VALUE arguments, then builds the given targets (all when none are given).
# Usage: build_quibbet [-DNAME=VALUE ...] [-- TARGET ...]
build_quibbet() {
    local settings=() targets=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        settings+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    targets=("$@")

    local cache=$QUIBBET_BUILD/CMakeCache.txt configure=""
    [ -f "$cache" ] || configure=yes
    local setting name value
    for setting in "${settings[@]}"; do
        name=${setting#-D}
        value=${name#*=}
        name=${name%%=*}
        name=${name%%:*}
        grep -qx "$name:[A-Z]*=$value" "$cache" 2>/dev/null || configure=yes
    done
    if [ -n "$configure" ]; then
        cmake -S "$QUIBBET_ROOT" -B "$QUIBBET_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${settings[@]}"
    fi
    local target_args=()
    for name in "${targets[@]}"; do
        target_args+=(--target "$name")
    done
    cmake --build "$QUIBBET_BUILD" -j2 "${target_args[@]}"
}
