# shellcheck shell=bash disable=SC2154,SC2164 # work and fail come from lib.sh, which sets -e
# Helpers for the import tests: another notes program writes notes in a home of the test's own,
# and `quibbet --import` brings them into a new notes file; sourced after lib.sh.

# Skips (77) without the program; else makes the home, a session bus, and the zone. Creation
# texts are local time: half an hour off UTC shows a time taken for the wrong zone.
use_peer_home() {
    command -v "$1" >/dev/null || { echo "SKIP: $1 (Debian package $1) is not installed"; exit 77; }
    enter_empty_folder
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
    export TZ=Asia/Kolkata
    start_private_session
    : >"$work/expected"
}

# Tries the command every 0.1 s for up to 60 s: the other programs start slowly on a busy machine.
wait_until() {
    for _ in $(seq 1 600); do "$@" && return 0; sleep 0.1; done
    return 1
}

# The text as the stored note's key: its bytes in hexadecimal, the white space at its end left
# out (the programs pad a note's end with line ends and indentation of their own).
text_key() {
    local text=$1
    text=${text%"${text##*[![:space:]]}"}
    printf '%s' "$text" | od -An -v -tx1 | tr -d ' \n' | tr 'a-f' 'A-F'
}

# The note TEXT, made at TIME (anything `date -d` reads: @seconds, ISO 8601 with a zone), must
# arrive in CATEGORY (Default when none).
expect_note() {
    printf '%s|%s|%s\n' "$(text_key "$1")" "$(LC_ALL=C date -d "$2" '+%H:%M %a, %d%b%Y')" "${3:-Default}" \
        >>"$work/expected"
}

stored_notes() {
    sqlite3 clipdata.dat "select hex(rtrim(content, char(9, 10, 13, 32))), create_time,
        coalesce(group_name, 'Default') from notes_main left join clip_groups using (group_id)
        where group_id is null or group_id <> 1" | LC_ALL=C sort
}
expected_notes() { LC_ALL=C sort "$work/expected"; }
readable_notes() { sqlite3 clipdata.dat 'select * from notes_main; select * from clip_groups' 2>&1; }

# Imports SOURCE into a new notes file: every expected note arrives once, nothing else does;
# importing again adds nothing.
check_import() {
    mkdir "$work/first"
    cd "$work/first"
    "$QUIBBET" --import "$1" >"$work/log" 2>&1 || fail "the import failed"
    [ "$(stored_notes)" = "$(expected_notes)" ] ||
        fail "the notes file holds $(readable_notes)
expected (text in hexadecimal|creation|category): $(expected_notes)"
    "$QUIBBET" --import "$1" >"$work/log" 2>&1 || fail "importing again failed"
    [ "$(stored_notes)" = "$(expected_notes)" ] || fail "importing again changed the notes: $(readable_notes)"
}

# With the file CUT among the program's files (a copy of a note cut short, as if caught while
# being written, whose whole text was WHOLE): the other notes arrive all the same, one line of
# the output names the file, and no note holds anything the file did not.
check_import_with_cut_file() {
    local cut=$1 whole_key
    whole_key=$(text_key "$2")
    mkdir "$work/second"
    cd "$work/second"
    "$QUIBBET" --import "$3" >"$work/log" 2>&1 || true
    [ "$(grep -c -F "$(basename "$cut")" "$work/log")" = 1 ] || fail "no one line names the cut file $cut"
    local extra
    extra=$(LC_ALL=C comm -13 <(expected_notes) <(stored_notes))
    # What was whole of it may come in, ended by a replacement character where it was cut.
    local extra_key=${extra%%|*}
    [ "$(LC_ALL=C comm -23 <(expected_notes) <(stored_notes))" = "" ] && [ "$(wc -l <<<"$extra")" -le 1 ] &&
        [[ $whole_key == "${extra_key%EFBFBD}"* ]] || fail "beside a cut file the notes file holds $(readable_notes)"
}
