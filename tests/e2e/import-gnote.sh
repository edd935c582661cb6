#!/usr/bin/env bash
# Notes written by gnote itself, through its own D-Bus interface, then imported: each note's
# text (title line first, markup dropped, list items bulleted as gnote shows them), its
# creation time as gnote tells it, and its notebook as a category arrive; the notebooks'
# templates and the notes gnote keeps after deleting them do not; importing again adds
# nothing; a note file cut short is named and the others arrive all the same.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/peer-import.sh"

use_peer_home gnote
notes=$XDG_DATA_HOME/gnote

gnote --background >"$work/gnote.log" 2>&1 &
# Prints the one value of gnote's answer, its quotes and type left out.
gnote_call() {
    gdbus call --session --dest org.gnome.Gnote --object-path /org/gnome/Gnote/RemoteControl \
        --method "org.gnome.Gnote.RemoteControl.$1" "${@:2}" | sed -e "s/^(\(int64 \)\?'\?//" -e "s/'\?,)\$//"
}
# Asking for gnote before it holds its name would have the bus start its search provider in
# its place; gnote answers a while after it holds the name.
gnote_started() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.gnome.Gnote | grep -q true &&
        gnote_call Version >/dev/null 2>&1
}
wait_until gnote_started || fail "gnote did not start: $(cat "$work/gnote.log")"

# Its welcome notes go.
welcome=$(gnote_call ListAllNotes | tr -d "[],'")
for uri in $welcome; do
    [ "$(gnote_call DeleteNote "$uri")" = true ] || fail "gnote did not delete $uri"
done

# Writes a note through gnote (TEXT, or XML when it begins with <) in NOTEBOOK; the note's file
# counts as written once it holds LAST, the file's form of its text's last line.
write_note() {
    local title=$1 text=$2 notebook=$3 last=$4 uri
    uri=$(gnote_call CreateNamedNote "$title")
    [ -n "$uri" ] || fail "gnote made no note $title"
    if [[ $text == '<'* ]]; then
        [ "$(gnote_call SetNoteContentsXml "$uri" "$text")" = true ] || fail "gnote did not take the XML of $title"
    else
        [ "$(gnote_call SetNoteContents "$uri" "$text")" = true ] || fail "gnote did not take the text of $title"
    fi
    [ -z "$notebook" ] || [ "$(gnote_call AddTagToNote "$uri" "system:notebook:$notebook")" = true ] ||
        fail "gnote did not put $title in $notebook"
    # gnote writes a changed note a few seconds later.
    local file=$notes/${uri##*/}.note
    wait_until grep -q -F "$last" "$file" 2>/dev/null || fail "gnote did not write $title: $(cat "$file")"
    [ -z "$notebook" ] || wait_until grep -q -F "system:notebook:$notebook" "$file" ||
        fail "gnote did not write the notebook of $title"
    echo "$uri" >"$work/last-uri"
}
created() { echo "@$(gnote_call GetNoteCreateDateUnix "$(cat "$work/last-uri")")"; }

text=$'Shopping list\nmilk 2% "fresh"\nGrüße 日本語 שלום'
write_note "Shopping list" "$text" Home 'Grüße 日本語 שלום'
expect_note "$text" "$(created)" Home
write_note Meeting '<note-content version="0.1">Meeting
<bold>agenda</bold> &amp; <italic>minutes</italic>
<list><list-item dir="ltr">first point
</list-item><list-item dir="ltr">second point</list-item></list>
done</note-content>' Work '</list>'
expect_note $'Meeting\nagenda & minutes\n• first point\n• second point\ndone' "$(created)" Work
text=$'Loose note\n\'single\' & <b>no markup</b>\t100%'
write_note "Loose note" "$text" "" '&lt;b&gt;no markup&lt;/b&gt;'
expect_note "$text" "$(created)"
[ "$(grep -l -F 'system:template' "$notes"/*.note | wc -l)" = 2 ] || fail "gnote made no notebook templates"
write_note Doomed $'Doomed\ngone before the import' "" 'gone before the import'
doomed=$(cat "$work/last-uri")
[ "$(gnote_call DeleteNote "$doomed")" = true ] || fail "gnote did not delete a note"
wait_until test -f "$notes/Backup/${doomed##*/}.note" || fail "gnote kept no deleted note"

check_import gnote

cut=$notes/00000000-0000-0000-0000-0000000000c0.note
whole=$(grep -l -F 'Shopping list' "$notes"/*.note)
head -c $(($(stat -c %s "$whole") / 2)) "$whole" >"$cut"
check_import_with_cut_file "$cut" "" gnote
echo "import-gnote: passed"
