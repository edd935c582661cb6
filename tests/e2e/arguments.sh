#!/usr/bin/env bash
# The command line, with no display at all: --help and --version answer on standard output
# and succeed; the toolkit's own options go to the toolkit; anything else is refused with one
# line on standard error and status 2, before the program touches the notes file. A start
# that fails for want of a display leaves no file behind.
set -euo pipefail
QUIBBET=${QUIBBET:?QUIBBET must name the built program}
fail() { echo "FAIL: $*" >&2; exit 1; }
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
for option in --toggle --help --version; do
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

# The toolkit's own options reach the toolkit: an unknown platform is its complaint, not a
# refusal of the command line.
run -platform nosuchplatform
[ "$status" != 2 ] && [ "$status" != 0 ] || fail "-platform nosuchplatform exited with $status: $err"
grep -q nosuchplatform <<<"$err" || fail "the toolkit did not get -platform: $err"
run --style=fusion -reverse -display :nowhere
[ "$status" != 2 ] || fail "the toolkit's -style, -reverse and -display were refused: $err"

# A start that fails for want of a display leaves no notes file, journal or half-made file.
run
[ "$status" != 0 ] || fail "the program started without a display"
# An existing file is only read.
sqlite3 clipdata.dat "create table t(x); insert into t values (1)"
before=$(md5sum clipdata.dat)
run
[ "$(md5sum clipdata.dat)" = "$before" ] || fail "a failed start changed the notes file"
rm clipdata.dat

[ -z "$(ls -A "$work" | grep -v -x -e out -e err)" ] || fail "the program left files: $(ls -A "$work")"
echo "arguments: passed"
