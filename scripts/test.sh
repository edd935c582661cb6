#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors (whatever build/ was
# configured with before), and runs every test, the end-to-end ones included (each starts
# and stops its own Xvfb). Arguments go to ctest, e.g. ./scripts/test.sh -R e2e_
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Debian packages that only the tests need, one group per line; add new ones here.
QUIBBET_TEST_PACKAGES=(
    clang libclang-rt-14-dev          # the bounded fuzz run
    trayer xclip                      # tray and clipboard tests
    haskell-gtk-sni-tray-utils        # the D-Bus tray test's tray and watcher
    weston xwayland qt6-wayland       # Wayland tests: XWayland and the native platform
    mutter                            # GNOME's compositor, for the Wayland test
    poppler-utils libchm-bin          # reading printed and help output
    at-spi2-core python3-pyatspi      # accessibility tests
    lintian                           # the Debian package's checks
    fonts-noto-color-emoji            # emoji drawn in colour in the list and the memo
    python3                           # the stand-in X servers of the start-up test
    syncthing curl iproute2 procps    # two machines through a sync engine: its REST API, sockets
    locales                           # the German locale of the translation tests
    xpad gnote tomboy-ng              # notes written by the programs that import reads
)

install_missing_packages "${QUIBBET_TEST_PACKAGES[@]}"
# The translation tests run under LANG=de_DE.UTF-8: generate that locale once.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${as_root[@]}" locale-gen de_DE.UTF-8 >/dev/null
fi
build_quibbet -DQUIBBET_WERROR=ON
cd "$QUIBBET_BUILD" || exit 1
ctest --output-on-failure -j2 "$@"
