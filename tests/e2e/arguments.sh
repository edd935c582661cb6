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

[ -z "$(ls -A "$work" | grep -v -x -e out -e err)" ] || fail "the program left files: $(ls -A "$work")"
echo "arguments: passed"
