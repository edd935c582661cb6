#!/usr/bin/env bash
# Notes written by tomboy-ng itself (from text and Markdown files through its own command line,
# put into new notebooks in its windows), then imported: each note's text (title line first,
# markup dropped), its creation time with tomboy-ng's zone, and its notebook as a category
# arrive; the notebooks' templates and the copies tomboy-ng keeps of opened notes do not;
# importing again adds nothing; a note file cut short is named and the others arrive all the same.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/peer-import.sh"

use_peer_home tomboy-ng
notes=$XDG_DATA_HOME/tomboy-ng
mkdir -p "$notes" "$XDG_CONFIG_HOME/tomboy-ng"
# Without a tray tomboy-ng shows its search window only when told to.
printf '[BasicSettings]\nNotesPath=%s/\nShowSearchAtStart=true\n' "$notes" >"$XDG_CONFIG_HOME/tomboy-ng/tomboy-ng.cfg"

printf 'Shopping list\nmilk 2%% "fresh"\nGrüße 日本語 שלום\n' >"$work/shopping.txt"
printf 'Meeting\n**agenda** & *minutes*\n\n- first point\n- second point\n\ndone\n' >"$work/meeting.md"
printf 'Loose note\n'\''single'\'' <b>no markup</b>\t100%%\n' >"$work/loose.txt"
{
    timeout 30 tomboy-ng --no-splash --import-txt="$work/shopping.txt"
    timeout 30 tomboy-ng --no-splash --import-md="$work/meeting.md"
    timeout 30 tomboy-ng --no-splash --import-txt="$work/loose.txt"
} >>"$work/tomboy.log" 2>&1
[ "$(find "$notes" -maxdepth 1 -name '*.note' | wc -l)" = 3 ] || fail "tomboy-ng did not import the files: $(cat "$work/tomboy.log")"

# The file of the note titled TITLE.
note_titled() { grep -l -F "<title>$1</title>" "$notes"/*.note; }

tomboy-ng --no-splash >>"$work/tomboy.log" 2>&1 &
tomboy_pid=$!
search=$(timeout 60 xdotool search --sync --onlyvisible --name '^tomboy-ng Search$' | head -n 1) ||
    fail "tomboy-ng showed no search window"
# A click at X,Y within the window.
click_in() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
# Opens the note TITLE from the search window and makes a new notebook for it in the note's
# window; the note is written when its window closes.
put_in_new_notebook() {
    local title=$1 notebook=$2 note picker
    click_in "$search" 354 17 # Clear
    click_in "$search" 224 17 # the search field
    xdotool type --delay 20 "$title"
    click_in "$search" 300 65 # the first row
    xdotool click 1
    note=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) ||
        fail "tomboy-ng opened no window for $title"
    click_in "$note" 328 20 # the notebook button
    picker=$(timeout 30 xdotool search --sync --onlyvisible --name '^NoteBookPick$' | head -n 1) ||
        fail "tomboy-ng opened no notebook picker"
    click_in "$picker" 217 90 # the "New Note Book" page, its name field focused
    xdotool type --delay 20 "$notebook"
    xdotool key Return
    wait_until window_gone '^NoteBookPick$' || fail "the notebook picker stayed open"
    click_in "$note" 974 20 # Close
    wait_until window_gone "$title\$" || fail "the note $title stayed open"
    wait_until grep -q -F "system:notebook:$notebook" "$(note_titled "$title")" ||
        fail "tomboy-ng did not write $title into $notebook"
}
put_in_new_notebook "Shopping list" Home
put_in_new_notebook Meeting Work
kill "$tomboy_pid"
wait "$tomboy_pid" || true
[ "$(grep -l -F 'system:template' "$notes"/*.note | wc -l)" = 2 ] || fail "tomboy-ng made no notebook templates"
[ -n "$(find "$notes/Backup" -name '*-opn.note')" ] || fail "tomboy-ng kept no copies of opened notes"

# The creation time tomboy-ng wrote into the note titled TITLE.
created() {
    sed -n 's|.*<create-date>\(.*\)</create-date>.*|\1|p' "$(note_titled "$1")"
}
expect_note "$(cat "$work/shopping.txt")" "$(created "Shopping list")" Home
expect_note $'Meeting\nagenda & minutes\n- first point\n- second point\ndone' "$(created Meeting)" Work
expect_note "$(cat "$work/loose.txt")" "$(created "Loose note")"

check_import tomboy-ng

cut=$notes/00000000-0000-0000-0000-0000000000C0.note
whole=$(note_titled Meeting)
head -c $(($(stat -c %s "$whole") / 2)) "$whole" >"$cut"
check_import_with_cut_file "$cut" "" tomboy-ng
echo "import-tomboy-ng: passed"
