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
    locales                           # the locales of the translation tests
    xpad gnote tomboy-ng              # notes written by the programs that import reads
)

install_missing_packages "${QUIBBET_TEST_PACKAGES[@]}"
# The translation tests run under one locale of each script family: generate those once.
test_locales=(de_DE ja_JP ar_EG)
for test_locale in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "$test_locale.utf8" && continue
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    for each in "${test_locales[@]}"; do
        "${as_root[@]}" sed -i "s/^# *\($each.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    done
    "${as_root[@]}" locale-gen >/dev/null
    break
done
build_quibbet -DQUIBBET_WERROR=ON
cd "$QUIBBET_BUILD" || exit 1
ctest --output-on-failure -j2 "$@"
