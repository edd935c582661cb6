#!/usr/bin/env bash
# The help file beside the built program, unpacked by a real reader of such files
# (extract_chmLib, Debian package libchm-bin): every page of the help sources is in it as
# written, the contents, the index and the default topic name pages that are there, and
# every link of every page reaches a file, and an anchor, that is there. Needs no display.
set -euo pipefail
QUIBBET=${QUIBBET:?QUIBBET must name the built program}
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v extract_chmLib >/dev/null ||
    { echo "SKIP: extract_chmLib (Debian package libchm-bin) is not installed"; exit 77; }

help_file="$(dirname "$QUIBBET")/Quibbet Standard.chm"
sources="$(cd "$(dirname "$0")/../../resources/help" && pwd)"
[ -f "$help_file" ] || fail "there is no help file beside the program: $help_file"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
extract_chmLib "$help_file" "$work/help" >"$work/log" 2>&1 || fail "the help file cannot be read: $(cat "$work/log")"
out="$work/help"

# Every page and the style sheet, byte for byte.
pages=0
for source in "$sources"/*.html "$sources"/*.css; do
    name=$(basename "$source")
    [ -f "$out/$name" ] || fail "$name is not in the help file"
    cmp -s "$source" "$out/$name" || fail "$name in the help file differs from its source"
    pages=$((pages + 1))
done
[ "$pages" -ge 8 ] || fail "only $pages pages found in $sources"

# Checks that a link made from the page $1 reaches a file (and its anchor) in the help file.
check_link() {
    local page=$1 link=$2 target anchor=""
    case "$link" in
    http:* | https:* | mailto:*) fail "$page links outside the help file: $link" ;;
    esac
    target=${link%%#*}
    [[ "$link" == *"#"* ]] && anchor=${link#*#}
    [ -n "$target" ] || target=$page
    [ -f "$out/$target" ] || fail "$page links to $link, which is not in the help file"
    if [ -n "$anchor" ]; then
        grep -q -E "(id|name)=\"$anchor\"" "$out/$target" || fail "$page links to $link: no such anchor"
    fi
}

links=0
for page in "$out"/*.html; do
    name=$(basename "$page")
    while read -r link; do
        check_link "$name" "$link"
        links=$((links + 1))
    done < <(grep -o -E '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="//; s/"$//')
done
[ "$links" -gt 0 ] || fail "no links found in the pages"

# The contents and the index: each entry names a page that is there, and every page has a
# place in the contents.
for list in contents.hhc index.hhk; do
    [ -f "$out/$list" ] || fail "$list is not in the help file"
    while read -r local; do
        check_link "$list" "$local"
    done < <(grep -o -E 'name="Local" value="[^"]*"' "$out/$list" | sed -E 's/.*value="//; s/"$//')
done
for source in "$sources"/*.html; do
    grep -q "value=\"$(basename "$source")\"" "$out/contents.hhc" ||
        fail "$(basename "$source") has no entry in the contents"
done

# The page a reader opens first.
grep -a -q 'index.html' "$out/#SYSTEM" || fail "the help file names no default topic"
echo "help: $pages files, $links links, all there"
