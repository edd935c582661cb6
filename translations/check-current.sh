#!/usr/bin/env bash
# Fails when the code holds a text that a language file lacks, or a language file holds one the
# code no longer has: each file is brought up to date in a copy, with the command line of
# README.md, and must come out unchanged.
# Usage: check-current.sh LUPDATE SOURCE_ROOT
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"
status=0
for ts in translations/quibbet_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" app dialogs widgets store platform import -I . -locations none -no-obsolete -silent \
        -ts "$copy" >/dev/null
    if ! diff -u "$ts" "$copy" >"$work/diff"; then
        echo "FAIL: $ts is not current with the code; run the lupdate command of translations/README.md:"
        head -40 "$work/diff"
        status=1
    fi
done
[ $status -eq 0 ] && echo "every language file holds exactly the texts of the code"
exit $status
