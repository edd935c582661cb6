#!/usr/bin/env bash
# Checks the file bench/make_notes_plain.sh writes against what Quibbet reads: the required
# rows, creation texts that the date command agrees with, record times that order the notes
# as they were made, the three categories, texts of the promised lengths, no index; and that
# the same N gives the same file and an existing file is never overwritten.
# Usage: test_make_notes_plain.sh   (exit status 0 when every check holds)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TZ=UTC LC_ALL=C

"$here/make_notes_plain.sh" "$work/a.dat" 3000 >/dev/null
"$here/make_notes_plain.sh" "$work/b.dat" 3000 >/dev/null
failures=0
check() { # NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}
q() { sqlite3 "$work/a.dat" "$1"; }

check "same N, same notes" "$(sqlite3 "$work/b.dat" 'select * from notes_main' | sha1sum)" \
    "$(q 'select * from notes_main' | sha1sum)"
check "an existing file is kept" "1 kept" \
    "$("$here/make_notes_plain.sh" "$work/a.dat" 5 >/dev/null 2>&1 || echo 1) $(q 'select count(*) from notes_main' |
        sed 's/^3000$/kept/')"
check "required rows" "1|Search 2|Work 3|Home font_charset font_color font_size font_style" \
    "$(q "select group_id || '|' || group_name from clip_groups order by 1; select optionname from options order by 1" |
        tr '\n' ' ' | sed 's/ $//')"
check "no index" "0" "$(q "select count(*) from sqlite_master where type = 'index'")"
check "ids 1 to N" "1 3000 3000" "$(q "select min(id), max(id), count(distinct id) from notes_main" | tr '|' ' ')"
check "categories 0, 2, 3 only" "0 2 3" "$(q 'select distinct group_id from notes_main order by 1' | tr '\n' ' ' |
    sed 's/ $//')"
check "mostly Default" "1" "$(q 'select count(*) > 2000 from notes_main where group_id = 0')"
check "lengths 1 to 2,000" "1 1" "$(q 'select min(length(content)) = 1, max(length(content)) between 1900 and 2000
    from notes_main' | tr '|' ' ')"
check "some notes of several lines" "1" \
    "$(q "select count(*) between 300 and 900 from notes_main where content like '%' || char(13, 10) || '%'")"
check "newest made last" "0" "$(q 'select count(*) from notes_main a join notes_main b on b.id = a.id + 1
    where b.record_time <= a.record_time')"
check "record time layout" "0" "$(q "select count(*) from notes_main where record_time not glob
    '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9].[0-9][0-9][0-9]'")"

# The creation text of a sample of notes, as the date command writes that moment.
start=$(date -d '2020-01-01 08:00:00' +%s)
for id in 1 2 30 31 1000 2999 3000; do
    check "creation text of note $id" "$(date -d "@$((start + id * 2880))" '+%H:%M %a, %d%b%Y')" \
        "$(q "select create_time from notes_main where id = $id")"
done
check "about thirty notes a day" "101" "$(q 'select count(distinct substr(create_time, 7)) from notes_main')"

if [ "$failures" -ne 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "make_notes_plain.sh: every check holds"
