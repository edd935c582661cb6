#!/usr/bin/env bash
# The Debian package from start to end: build it with CPack, check its files and
# dependencies, install it with apt-get, start the installed program the way the desktop
# entry does, from an empty home folder, and remove the package again.
# Needs root or passwordless sudo (exit 77, skipped, otherwise). Runs under with-xvfb.sh.
# Usage: package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    skip "installing a package needs root or passwordless sudo"
fi
apt() {
    timeout 120 "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -y -q -o DPkg::Lock::Timeout=60 "$@"
}
package_state() { dpkg-query -W -f='${db:Status-Status}' quibbet 2>/dev/null || echo not-installed; }
installed_packages() {
    dpkg-query -W -f='${binary:Package} ${db:Status-Status}\n' | awk '$2 == "installed" {print $1}' | LC_ALL=C sort
}

# One package test at a time on this machine; the marker says this build's test installed
# the package, so a run that was killed half-way is cleaned up by the next one.
exec 9>"${TMPDIR:-/tmp}/quibbet-package-test.lock"
flock -w 60 9 || fail "another package test kept the lock for a minute"
marker=$build/package-test-installed
if [ "$(package_state)" != not-installed ]; then
    [ -f "$marker" ] || skip "a quibbet package that this test did not install is on the machine; left alone"
    apt remove quibbet >/dev/null
    rm -f "$marker"
fi

work=$(mktemp -d)
chmod 755 "$work" # apt-get reads the package as its own unprivileged user
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    if [ -f "$marker" ]; then
        # Only what the install brought: the package and any dependency it pulled in.
        local extra
        extra=$(LC_ALL=C comm -13 "$work/before" <(installed_packages) | grep -vx 'quibbet' || true)
        apt remove quibbet $extra >"$work/remove.log" 2>&1 || cat "$work/remove.log" >&2
        [ "$(package_state)" = not-installed ] || [ "$(package_state)" = config-files ] || echo "quibbet is still installed" >&2
        rm -f "$marker"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/out/quibbet_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

# The files: exactly the install tree under /usr, owned by root, the program executable.
expected=$(sed "s/@ID@/$id/" "$here/installed-files.txt" | LC_ALL=C sort)
listing=$(dpkg-deb -c "$deb")
actual=$(awk '$1 !~ /^d/ {sub(/^[^.]*\.\/usr\//, ""); sub(/ -> .*$/, ""); print}' <<<"$listing" | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "package files differ:$(diff <(echo "$expected") <(echo "$actual") || true)"
grep -q '^lrwxrwxrwx root/root .* \./usr/bin/quibbet -> \.\./libexec/quibbet/quibbet$' <<<"$listing" ||
    fail "usr/bin/quibbet is not a link to the program"
grep -q '^-rwxr-xr-x root/root .* \./usr/libexec/quibbet/quibbet$' <<<"$listing" ||
    fail "the program is not an executable owned by root"

# The fields: every library the program needs at run time, the platform plugins among them.
[ "$(dpkg-deb -f "$deb" Package)" = quibbet ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//')
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6network6 libqt6dbus6 \
    qt6-qpa-plugins libsqlite3-0 libjpeg62-turbo libxcb1 libxcb-keysyms1; do
    grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $(dpkg-deb -f "$deb" Depends)"
done

# The package as Debian's own checker sees it: no error, no warning, not even a pedantic one.
# The tags it prints at the informational level are listed, not failed on.
if command -v lintian >/dev/null; then
    lintian --pedantic --display-info --fail-on error,warning,pedantic "$deb" >"$work/lintian.log" 2>&1 ||
        fail "lintian finds fault with the package: $(cat "$work/lintian.log")"
    [ ! -s "$work/lintian.log" ] || echo "lintian notes: $(cat "$work/lintian.log")"
else
    echo "lintian is not installed: the package's Debian checks are skipped"
fi

# The fonts that draw every script and emoji are recommended, not required; the docs that
# Debian asks of a package are there.
recommends=$(dpkg-deb -f "$deb" Recommends | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//')
for font in fonts-liberation fonts-noto-cjk fonts-noto-color-emoji fonts-noto-core; do
    grep -qx "$font" <<<"$recommends" || fail "Recommends lacks $font: $(dpkg-deb -f "$deb" Recommends)"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quibbet/changelog.gz | gzip -dc | head -n 1 |
    grep -q "^quibbet ($version) " || fail "the changelog's first entry is not for version $version"

installed_packages >"$work/before"
touch "$marker"
# Without the recommended fonts: they are large, and nothing here needs them.
apt install --no-install-recommends "$deb" >"$work/install.log" 2>&1 || fail "apt-get install failed: $(tail -n 20 "$work/install.log")"
[ "$(package_state)" = installed ] || fail "the package is not installed after apt-get install"
[ "$(readlink -f /usr/bin/quibbet)" = /usr/libexec/quibbet/quibbet ] || fail "/usr/bin/quibbet leads elsewhere"
[ "$(env -u DISPLAY /usr/bin/quibbet --version)" = "Quibbet $version" ] || fail "the installed program does not answer --version"

# Start it as the desktop does: through the entry, from another folder, with a fresh home
# folder and only the system's programs on the path.
home=$work/home
mkdir -m 700 "$home" "$work/runtime"
export QUIBBET=/usr/bin/quibbet
source "$here/../e2e/lib.sh"
(cd / && env -u DBUS_SESSION_BUS_ADDRESS HOME="$home" XDG_RUNTIME_DIR="$work/runtime" PATH=/usr/bin:/bin \
    gio launch "/usr/share/applications/$id.desktop") >"$work/launch.log" 2>&1 ||
    fail "gio launch failed: $(cat "$work/launch.log")"
window=$(wait_for_window) || fail "the installed program's window never mapped"
pid=$(xdotool getwindowpid "$window")
[ "$(readlink "/proc/$pid/exe")" = /usr/libexec/quibbet/quibbet ] || fail "the window belongs to $(readlink "/proc/$pid/exe")"
[ "$(readlink "/proc/$pid/cwd")" = "$home" ] || fail "started in $(readlink "/proc/$pid/cwd"), not the home folder"
for _ in $(seq 1 50); do
    [ -s "$home/clipdata.dat" ] && break
    sleep 0.1
done
[ -s "$home/clipdata.dat" ] || fail "clipdata.dat did not appear in the home folder: $(ls -A "$home")"
[ ! -e /clipdata.dat ] || fail "a notes file appeared in /"
kill "$pid"
for _ in $(seq 1 50); do
    [ -e "/proc/$pid" ] || break
    sleep 0.1
done
pid=""

trap - EXIT
cleanup
[ "$(package_state)" != installed ] || fail "apt-get remove left the package installed"
[ ! -e /usr/bin/quibbet ] || fail "/usr/bin/quibbet is still there after removal"
echo "package: passed"
