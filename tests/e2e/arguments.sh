#!/usr/bin/env bash
# The command line, with no display at all: --help and --version answer on standard output
# and succeed; the toolkit's own options go to the toolkit; anything else is refused with one
# line on standard error and status 2, before the program touches the notes file; all of it in
# the desktop's language. A start
# without a display says so in one line (and where a display seems to be, how to reach it),
# ends with status 1, not the toolkit's abort, and leaves no file behind.
set -euo pipefail
QUIBBET=${QUIBBET:?QUIBBET must name the built program}
fail() { echo "FAIL: $*" >&2; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb # were the toolkit started, it would fail for want of a display

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Runs the program; sets status, out and err.
run() {
    status=0
    timeout 10 "$QUIBBET" "$@" >"$work/out" 2>"$work/err" </dev/null || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

run --help
[ "$status" = 0 ] || fail "--help exited with $status: $err"
[ -z "$err" ] || fail "--help wrote to standard error: $err"
grep -q '^Usage: quibbet ' <<<"$out" || fail "--help printed no usage line: $out"
for option in --toggle --help --version --add --list --search --export --import --category --force; do
    grep -q -- "^  $option " <<<"$out" || fail "--help does not explain $option"
done

run --version
[ "$status" = 0 ] || fail "--version exited with $status: $err"
[ -z "$err" ] || fail "--version wrote to standard error: $err"
[[ "$out" =~ ^Quibbet\ [0-9]+\.[0-9]+$ ]] || fail "--version printed '$out'"

# Asking for help wins over asking for the version, and either wins over --toggle.
run --toggle --version
[[ "$out" =~ ^Quibbet\  ]] || fail "--toggle --version printed '$out'"
run --version --help
grep -q '^Usage: ' <<<"$out" || fail "--version --help did not print the usage"

expect_refused() {
    [ "$status" = 2 ] || fail "'$1' exited with $status, not 2"
    [ -z "$out" ] || fail "'$1' wrote to standard output: $out"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "'$1' wrote $(wc -l <"$work/err") lines to standard error: $err"
    grep -q "quibbet --help" <<<"$err" || fail "'$1' does not point to --help: $err"
}
for refused in --bogus -h -v x --toggle=1 "--toggle --nope" "--help clipdata.dat" "-session"; do
    read -ra words <<<"$refused"
    run "${words[@]}"
    expect_refused "$refused"
done
run ""
expect_refused "(an empty argument)"
# The refused word itself is named, so a typing error is easy to see.
run --tоggle
grep -qF -- "'--tоggle'" <<<"$err" || fail "the refusal does not name the argument: $err"

# In the desktop's language, German where the locale asks for it; the C locale above gave
# the English texts.
LC_ALL=de_DE.UTF-8 run --help
[ "$status" = 0 ] && grep -q '^Aufruf: quibbet ' <<<"$out" || fail "--help under a German locale: $out"
grep -q -- '^  --toggle ' <<<"$out" || fail "the German --help does not explain --toggle: $out"
# LANGUAGE lists the languages in the order the user prefers them: the first Quibbet speaks,
# English included, wins.
LANGUAGE=eo:de LC_ALL=de_DE.UTF-8 run --help
grep -q '^Aufruf: quibbet ' <<<"$out" || fail "LANGUAGE=eo:de (Esperanto, not shipped) did not give German: $out"
LANGUAGE=en:de LC_ALL=de_DE.UTF-8 run --help
grep -q '^Usage: quibbet ' <<<"$out" || fail "LANGUAGE=en:de did not give English: $out"
LC_ALL=de_DE.UTF-8 run --tоggle
[ "$status" = 2 ] && [ "$err" = "quibbet: unbekanntes Argument '--tоggle'; siehe 'quibbet --help'" ] ||
    fail "the German refusal reads: $err"
LC_ALL=de_DE.UTF-8 run
grep -q '^quibbet: Quibbet braucht eine grafische Arbeitsumgebung' <<<"$err" ||
    fail "the German start without a display reads: $err"

# The toolkit's own options reach the toolkit: an unknown platform is its complaint, not a
# refusal of the command line.
run -platform nosuchplatform
[ "$status" != 2 ] && [ "$status" != 0 ] || fail "-platform nosuchplatform exited with $status: $err"
grep -q nosuchplatform <<<"$err" || fail "the toolkit did not get -platform: $err"
run --style=fusion -reverse -display :nowhere
[ "$status" != 2 ] || fail "the toolkit's -style, -reverse and -display were refused: $err"

# Without a display: one line that says so, status 1, no abort.
expect_no_display() { # what the line must hold, then the arguments
    local holds=$1
    shift
    run "$@"
    [ "$status" = 1 ] || fail "'$*' without a display exited with $status, not 1: $err"
    [ -z "$out" ] || fail "'$*' without a display wrote to standard output: $out"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "'$*' without a display wrote $(wc -l <"$work/err") lines: $err"
    grep -q "^quibbet: Quibbet needs a graphical desktop, and no display was found" <<<"$err" ||
        fail "'$*' without a display did not say so: $err"
    grep -qF -- "$holds" <<<"$err" || fail "'$*' without a display did not say '$holds': $err"
}
expect_no_display "DISPLAY is not set"
expect_no_display "DISPLAY is not set" --toggle
expect_no_display "the X display ':nowhere' does not answer" -display :nowhere
(
    # The toolkit's own choice of platform, in a session that offers none.
    unset QT_QPA_PLATFORM XDG_SESSION_TYPE WAYLAND_SOCKET
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    expect_no_display "DISPLAY and WAYLAND_DISPLAY are not set"
    WAYLAND_DISPLAY=wayland-9 expect_no_display "no Wayland compositor answers at $XDG_RUNTIME_DIR/wayland-9" -platform wayland
    # A compositor's socket in the runtime folder: the line says how to reach it.
    if command -v python3 >/dev/null; then
        python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(); open(sys.argv[2], "w").close(); time.sleep(60)' \
            "$XDG_RUNTIME_DIR/wayland-7" "$work/listening" >/dev/null 2>&1 &
        listener=$!
        trap 'kill "$listener" 2>/dev/null || true' EXIT
        for _ in $(seq 1 100); do [ -e "$work/listening" ] && break; sleep 0.1; done
        expect_no_display "WAYLAND_DISPLAY=wayland-7"
        grep -qE "; try (.* or )?WAYLAND_DISPLAY=wayland-7( |$)" <<<"$err" || fail "the line does not say how to reach the compositor: $err"
    fi
    rm -rf "$XDG_RUNTIME_DIR" "$work/listening"
)

# A display that answers the first look and is gone when the toolkit comes (an X server that
# was starting, or had just gone): still one line and status 1, not the toolkit's abort. And
# the line never sends the user to another user's display.
fake=""
trap 'kill $fake 2>/dev/null || true; rm -rf "$work"' EXIT
fake_x_server() { # number, mode
    rm -f "$work/ready"
    python3 "$here/fake-x-server.py" "$1" "$2" "$work/ready" &
    fake=$!
    for _ in $(seq 1 100); do [ -e "$work/ready" ] && return 0; sleep 0.1; done
    fail "the stand-in X server did not start"
}
# A display number no server uses, by its socket file or its abstract socket.
free_display() {
    python3 -c 'import os, socket
for n in range(1, 100):
    if os.path.exists("/tmp/.X11-unix/X%d" % n):
        continue
    s = socket.socket(socket.AF_UNIX)
    try:
        s.bind("\0/tmp/.X11-unix/X%d" % n)
    except OSError:
        continue
    print(n)
    break'
}
if command -v python3 >/dev/null && [ -w /tmp/.X11-unix ]; then
    number=$(free_display)
    fake_x_server "$number" once
    expect_no_display "the X display ':$number'" -display ":$number"
    kill "$fake"
    wait "$fake" 2>/dev/null || true
    # A server that refuses us: the X library's own complaint stays out of the one line.
    number=$(free_display)
    fake_x_server "$number" refuse
    expect_no_display "the X display ':$number' does not answer" -display ":$number"
    kill "$fake"
    wait "$fake" 2>/dev/null || true
    # The stand-in of another user's server gives its socket away, which only root may do.
    if [ "$(id -u)" = 0 ]; then
        number=$(free_display)
        fake_x_server "$number" other
        expect_no_display "DISPLAY is not set"
        ! grep -qE "DISPLAY=:$number( |$)" <<<"$err" || fail "the line sends the user to another user's display: $err"
        kill "$fake"
        wait "$fake" 2>/dev/null || true
    fi
    rm -f "$work/ready"
fi

# A start that fails for want of a display leaves no notes file, journal or half-made file.
run
[ "$status" != 0 ] || fail "the program started without a display"
# An existing file is only read.
sqlite3 clipdata.dat "create table t(x); insert into t values (1)"
before=$(md5sum clipdata.dat)
run
[ "$(md5sum clipdata.dat)" = "$before" ] || fail "a failed start changed the notes file"
rm clipdata.dat

# The note commands, still without a display: they work on the notes file of the current
# folder, answer in plain text and tell a failure in one line with its status.
mkdir "$work/notes"
cd "$work/notes"
notes() { sqlite3 clipdata.dat "$@"; }
hex() { od -An -v -tx1 "$@" | tr -d ' \n' | tr a-f A-F; }
run_in() { # standard input, then the arguments
    local input=$1
    shift
    status=0
    printf '%s' "$input" | timeout 20 "$QUIBBET" "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}
expect_failure() { # status, what the one line says, the command as shown
    [ "$status" = "$1" ] || fail "'$3' exited with $status, not $1: $err"
    [ -z "$out" ] || fail "'$3' wrote to standard output: $out"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "'$3' wrote $(wc -l <"$work/err") lines to standard error: $err"
    grep -q "^quibbet: .*$2" <<<"$err" || fail "'$3' said: $err"
}

# Reading never makes a notes file.
for command in --list --search; do
    run "$command" x
    [ "$command" = --list ] && run --list
    expect_failure 1 "there is no notes file $work/notes/clipdata.dat" "$command"
done
run --export out.txt
expect_failure 1 "there is no notes file" "--export"
# Nor does a note refused for its category.
run --add x --category "a name longer than thirty-one characters"
expect_failure 2 "a category name has at most 31 characters" "a long category name"
[ -z "$(ls -A)" ] || fail "reading a missing notes file or a refused note left: $(ls -A)"

# --add makes the file as the window does, owner-only, and stores any text exactly.
odd="it's 50% \"done\"; a_b \\ ÄÖÜ Привет مرحبا 你好 🎉"
run --add "$odd"
[ "$status" = 0 ] && [ -z "$out$err" ] || fail "--add exited with $status: $out$err"
[ "$(stat -c %a clipdata.dat)" = 600 ] || fail "the new notes file has mode $(stat -c %a clipdata.dat)"
[ "$(notes "select content from notes_main where id=1 and group_id=0")" = "$odd" ] ||
    fail "--add stored: $(notes "select content from notes_main")"
[[ "$(notes "select create_time from notes_main where id=1")" =~ ^[0-2][0-9]:[0-5][0-9]\ [A-Z][a-z]{2},\ [0-3][0-9][A-Z][a-z]{2}20[0-9]{2}$ ]] ||
    fail "the creation text reads $(notes "select create_time from notes_main")"
[ "$(notes "select count(*) from note_identity")" = 1 ] || fail "the note got no identity row"
# Standard input to its end, line ends kept but the last one; a new category is made, an
# existing one found whatever the case of its name.
run_in $'first\r\nsecond\n\nthird\n' --add --category Work
[ "$status" = 0 ] || fail "--add from standard input exited with $status: $err"
[ "$(notes "select hex(content) from notes_main where id=2")" = "$(printf 'first\r\nsecond\n\nthird' | hex)" ] ||
    fail "standard input was stored as: $(notes "select quote(content) from notes_main where id=2")"
run_in "tab	and \\n" --add - --category " work "
[ "$status" = 0 ] || fail "--add - exited with $status: $err"
[ "$(notes "select group_id, group_name from clip_groups order by group_id")" = $'1|Search\n2|Work' ] ||
    fail "the categories are: $(notes "select * from clip_groups")"
[ "$(notes "select group_id from notes_main where id in (2,3)")" = $'2\n2' ] || fail "the notes went elsewhere"

# --list: newest first, one a line, line ends and tabs written so they read back.
run --list --category WORK
[ "$status" = 0 ] || fail "--list exited with $status: $err"
[ "$(cut -f2- <<<"$out")" = 'tab\tand \\n
first\r\nsecond\n\nthird' ] || fail "--list printed: $out"
[[ "$(head -n 1 <<<"$out")" =~ ^[0-2][0-9]:[0-5][0-9]\ [A-Z][a-z]{2},\ [0-3][0-9][A-Z][a-z]{2}20[0-9]{2}$'\t' ]] ||
    fail "--list does not begin a line with the creation text: $out"
run --list
[ "$(cut -f2- <<<"$out")" = "${odd//\\/\\\\}" ] || fail "--list of Default printed: $out"
run --list --category Nowhere
expect_failure 1 "there is no category 'Nowhere'" "--list --category Nowhere"

# --search matches as the Search command does (any case in any script, % and _ as wildcards)
# and leaves the Search category as it was.
notes "insert into notes_main (id,group_id,isdone,create_time,content,account_id) values (60009,1,0,'x','an old äöü result','')"
run --search äöü
[ "$(cut -f2- <<<"$out")" = "${odd//\\/\\\\}" ] || fail "--search äöü printed: $out"
run --search "50%don"
[ "$status" = 0 ] && [ "$(wc -l <<<"$out")" = 1 ] || fail "--search with a wildcard printed: $out"
run --search "it's"
[ "$status" = 0 ] || fail "--search with a quote exited with $status: $err"
run --search "SECOND"
grep -qF 'first\r\nsecond' <<<"$out" || fail "--search SECOND printed: $out"
run --search "nothing like this"
[ "$status" = 1 ] && [ -z "$out$err" ] || fail "a search that matched nothing exited with $status: $out$err"
[ "$(notes "select id, content from notes_main where group_id=1")" = '60009|an old äöü result' ] ||
    fail "--search changed the Search category"

# --export writes what the Export command writes, and replaces a file only when told.
run --export work.txt --category Work
[ "$status" = 0 ] || fail "--export exited with $status: $err"
[ "$(hex work.txt)" = "$(printf '%s\r\ntab\tand \\n\r\n\r\n%s\r\nfirst\r\nsecond\r\n\r\nthird\r\n\r\n' \
    "$(notes "select create_time from notes_main where id=3")" "$(notes "select create_time from notes_main where id=2")" |
    hex)" ] || fail "the export file holds: $(cat -A work.txt)"
echo "keep me" >kept.txt
run --export kept.txt
expect_failure 1 "kept.txt exists: nothing was written; add --force" "--export onto a file"
[ "$(cat kept.txt)" = "keep me" ] || fail "--export replaced a file it was not told to"
run --export clipdata.dat --force
expect_failure 2 "clipdata.dat is the notes file itself" "--export onto the notes file"
run --export kept.txt --force
[ "$status" = 0 ] && [ "$(head -c 5 kept.txt)" != "keep " ] || fail "--export --force exited with $status: $err"

# Bad input is refused whole, with status 2, and nothing is stored.
count=$(notes "select count(*) from notes_main")
run_in "" --add
expect_failure 2 "standard input holds no text" "an empty standard input"
run_in $'  \n' --add
expect_failure 2 "standard input holds no text" "a blank standard input"
run_in $'caf\xe9' --add
expect_failure 2 "standard input is not UTF-8 text" "Latin-1 on standard input"
printf 'a\0b' | "$QUIBBET" --add 2>"$work/err" && fail "a NUL byte was stored" || true
grep -q "NUL byte" "$work/err" || fail "a NUL byte on standard input: $(cat "$work/err")"
run --add $'caf\xe9'
expect_failure 2 "argument 2 is not text" "an argument in Latin-1"
run --add buy milk
expect_failure 2 "'milk' follows the text to add: put a text of several words in quotes" "a text in two words"
for category in Search search "*New"; do
    run --add x --category "$category"
    expect_failure 2 "'$category' is no category to add a note to" "--category $category"
done
run --import tomboy
expect_failure 1 "No notes found to import" "--import tomboy with no notes of it here"
[ "$(notes "select count(*) from notes_main")" = "$count" ] || fail "bad input stored a note"
[ "$(notes "select count(*) from clip_groups")" = 2 ] || fail "bad input made a category"

# A file another program holds locked: --add waits for it, and says so when it waits in vain.
lock_file() { # seconds
    rm -f "$work/locked"
    python3 -c 'import sqlite3, sys, time
c = sqlite3.connect("clipdata.dat", isolation_level=None); c.execute("begin exclusive")
open(sys.argv[2], "w").close(); time.sleep(float(sys.argv[1])); c.execute("commit")' "$1" "$work/locked" &
    locker=$!
    for _ in $(seq 1 100); do [ -e "$work/locked" ] && return 0; sleep 0.05; done
    fail "the lock was not taken"
}
lock_file 1
run --add "after the lock"
wait "$locker"
[ "$status" = 0 ] && [ "$(notes "select count(*) from notes_main where content='after the lock'")" = 1 ] ||
    fail "--add beside a short lock exited with $status: $err"
lock_file 7
run --add "never stored"
wait "$locker"
expect_failure 1 "locked for more than five seconds, so nothing was changed" "--add beside a long lock"
[ "$(notes "select count(*) from notes_main where content='never stored'")" = 0 ] || fail "the note came in after all"

# A read-only or damaged notes file: one line, status 1, the file as it was.
chmod 400 clipdata.dat
before=$(md5sum clipdata.dat)
run --add "not now"
expect_failure 1 "is read-only, so nothing was changed" "--add to a read-only file"
run --list
[ "$status" = 0 ] && [ -n "$out" ] || fail "--list of a read-only file exited with $status: $err"
[ "$(md5sum clipdata.dat)" = "$before" ] || fail "a read-only notes file changed"
chmod 600 clipdata.dat
mkdir damaged
head -c 3000 /dev/urandom >damaged/clipdata.dat
before=$(md5sum damaged/clipdata.dat)
for command in "--add x" "--list" "--search x"; do
    read -ra words <<<"$command"
    (cd damaged && run "${words[@]}" && expect_failure 1 "is damaged or is not a notes file" "$command on a damaged file")
done
[ "$(md5sum damaged/clipdata.dat)" = "$before" ] || fail "a damaged notes file changed"

cd "$work"
rm -rf "$work/notes" "$work/locked"

[ -z "$(ls -A "$work" | grep -v -x -e out -e err)" ] || fail "the program left files: $(ls -A "$work")"
echo "arguments: passed"
