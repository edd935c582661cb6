#!/usr/bin/env bash
# Pads written by xpad itself (from files, through its own command line), then imported: each
# pad's text arrives in Default with the time of its file, as xpad keeps no other; an empty pad
# brings nothing; importing again adds nothing; a pad's text file cut inside a character is
# named and spoils no other note.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/peer-import.sh"

use_peer_home xpad
pads=$XDG_CONFIG_HOME/xpad
texts=(
    $'Shopping list\nmilk 2% "fresh"\nGrüße 日本語 שלום\n'
    $'Second pad\n\tindented line\nlast line without a line end'
    $'\'single\' quotes & <b>no markup</b>\n\n\nafter two empty lines'
)

xpad -N >"$work/xpad.log" 2>&1 &
xpad_pid=$!
# Others reach the running xpad through its socket, which listens once a window is up.
wait_until xdotool search --onlyvisible --pid "$xpad_pid" >/dev/null || fail "xpad showed no window"
for i in "${!texts[@]}"; do
    printf '%s' "${texts[$i]}" >"$work/pad$i"
    timeout 30 xpad -f "$work/pad$i" || fail "xpad -f did not hand the file to xpad"
    title=${texts[$i]%%$'\n'*}
    wait_until xdotool search --onlyvisible --name "^${title//[^[:alnum:] ]/.}\$" >/dev/null ||
        fail "xpad showed no pad for $title"
done
timeout 30 xpad -n || fail "xpad -n failed"
timeout 30 xpad -q || fail "xpad -q failed"
wait "$xpad_pid" || true

for i in "${!texts[@]}"; do
    pad=$(for f in "$pads"/content-*; do if cmp -s "$f" "$work/pad$i"; then echo "$f"; fi; done)
    [ "$(wc -w <<<"$pad")" = 1 ] || fail "xpad did not keep pad $i once: $(ls -l "$pads")"
    expect_note "${texts[$i]}" "@$(stat -c %Y "$pad")"
done
[ -n "$(find "$pads" -name 'content-*' -empty)" ] || fail "xpad kept no empty pad"

check_import xpad

# The first pad again, cut in the middle of 日.
first=$(grep -l -F 'Shopping list' "$pads"/content-*)
head -c $(($(printf 'Shopping list\nmilk 2%% "fresh"\nGrüße ' | wc -c) + 1)) "$first" >"$pads/content-CUT001"
printf 'width 300\nheight 300\ncontent content-CUT001\n' >"$pads/info-CUT001"
check_import_with_cut_file "$pads/content-CUT001" "${texts[0]}" xpad
echo "import-xpad: passed"
