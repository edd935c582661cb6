#!/usr/bin/env bash
# `cmake --install` into an empty folder: exactly the expected files, a program that runs
# from there and finds its help file, and a desktop entry and AppStream data that the
# desktop's own checkers accept.
# Usage: install-tree.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" >"$root/log" 2>&1 || fail "install failed: $(cat "$root/log")"

expected=$(sed "s/@ID@/$id/" "$(dirname "$0")/installed-files.txt" | LC_ALL=C sort)
actual=$(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:$(diff <(echo "$expected") <(echo "$actual") || true)"

# bin/ holds a relative link, so the tree works wherever it is unpacked; the program it
# leads to has the help file beside it, where it looks.
[ -L "$prefix/bin/quibbet" ] || fail "bin/quibbet is not a link"
[ "$(readlink "$prefix/bin/quibbet")" = ../libexec/quibbet/quibbet ] ||
    fail "bin/quibbet points to $(readlink "$prefix/bin/quibbet")"
program=$(readlink -f "$prefix/bin/quibbet")
[ -x "$program" ] || fail "the linked program is not executable"
[ -f "$(dirname "$program")/Quibbet Standard.chm" ] || fail "no help file beside the program"
[ "$(env -u DISPLAY "$prefix/bin/quibbet" --version)" = "Quibbet $version" ] ||
    fail "the installed program does not answer --version"

# The completion loads in bash and offers the note commands.
completed=$(bash -c 'source "$1" && COMP_WORDS=(quibbet --ca) COMP_CWORD=1 && _quibbet && echo "${COMPREPLY[*]}"' _ \
    "$prefix/share/bash-completion/completions/quibbet") || fail "the bash completion does not load"
[ "$completed" = --category ] || fail "the bash completion of --ca gives '$completed'"

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the metainfo"

# The pieces name each other: the entry's icon is installed, the metainfo launches the
# entry, and the entry starts the program from the home folder.
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the entry's icon $icon is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not list release $version"
[ "$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)" = 'sh -c "cd ~ && exec quibbet"' ] ||
    fail "the entry does not start quibbet in the home folder"
echo "install tree: passed"
