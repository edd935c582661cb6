# Shared by run.sh and test.sh: install what is missing, configure once, build.
set -euo pipefail

QUIBBET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUIBBET_BUILD=${QUIBBET_BUILD:-$QUIBBET_ROOT/build}

QUIBBET_PACKAGES=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    libsqlite3-dev sqlite3 libjpeg-dev
    libxcb1-dev libxcb-keysyms1-dev
    libbenchmark-dev
    fp-utils
    xvfb xdotool x11-utils x11-xserver-utils openbox dbus-daemon dbus-session-bus-common
    fonts-dejavu-core fonts-liberation
    desktop-file-utils appstream dpkg-dev libglib2.0-bin
    qt6-qpa-plugins xdg-utils
    imagemagick
)

install_missing_packages() {
    local missing=()
    local pkg
    for pkg in "${QUIBBET_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}), or install sudo, then run this again." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_quibbet() {
    if [ ! -f "$QUIBBET_BUILD/CMakeCache.txt" ]; then
        cmake -S "$QUIBBET_ROOT" -B "$QUIBBET_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$QUIBBET_BUILD" -j2
}
