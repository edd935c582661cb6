#!/usr/bin/env bash
# Proves the README's two commands on a minimal Debian 12 root, the way a newcomer meets them:
# builds the root with debootstrap from the Debian mirror this machine's apt uses, gives it
# sudo and a user who may use it without a password (the setting, nothing more), clones the
# commit under test, and runs, exactly as the README writes them:
#   1. as that user, ./scripts/run.sh on a private X server, until the window maps and the
#      notes file appears; then Quibbet is stopped;
#   2. as root, ./scripts/test.sh in the same clone: every test must pass, built with
#      warnings as errors although run.sh configured build/ first;
#   3. as root, ./scripts/run.sh again: after the test command it only starts Quibbet.
# Everything it mounts and makes goes again at the end, also when a step fails. Downloaded
# packages are kept in $QUIBBET_FRESH_CACHE (default /var/cache/quibbet-fresh-debian) for
# the next check; set it empty to keep nothing.
# When the mirror cannot be reached it says so and exits 0; any other failure exits 1.
# Needs root. Usage: scripts/check-fresh-debian.sh
set -euo pipefail

suite=bookworm
me=check-fresh-debian
cache=${QUIBBET_FRESH_CACHE-/var/cache/quibbet-fresh-debian}
user=newcomer
step_limit=${QUIBBET_FRESH_STEP_LIMIT:-2700} # seconds any one README command may take

say() { echo "$me: $*"; }
die() { echo "$me: FAIL: $*" >&2; exit 1; }
elapsed() { echo "$(($(date +%s) - $1)) s"; }

# Processes whose root is the fresh root: whatever the commands started and left behind.
processes_in() {
    local root=$1 p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && echo "${p#/proc/}"
    done
    return 0
}
end_processes_in() {
    local root=$1 pids
    pids=$(processes_in "$root")
    [ -n "$pids" ] || return 0
    # shellcheck disable=SC2086 # one pid a word
    kill $pids 2>/dev/null || true
    for _ in $(seq 1 50); do
        pids=$(processes_in "$root")
        [ -n "$pids" ] || return 0
        sleep 0.1
    done
    # shellcheck disable=SC2086
    kill -KILL $pids 2>/dev/null || true
    sleep 0.5
}

# ---------------------------------------------------------------------------------------
# Inside a private mount namespace: mount, run the three steps, end processes, unmount.
# Usage: check-fresh-debian.sh --inside WORK_DIR COMMIT
if [ "${1:-}" = --inside ]; then
    work=$2 commit=$3
    root=$work/root
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    mounted=()
    xvfb_pid=""
    run_pid=""
    unmount_all() {
        local i
        for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
            umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" ||
                echo "$me: could not unmount ${mounted[i]}" >&2
        done
        mounted=()
    }
    finish() {
        [ -z "$run_pid" ] || kill "$run_pid" 2>/dev/null || true
        [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
        end_processes_in "$root"
        unmount_all
    }
    trap finish EXIT
    trap 'exit 130' INT TERM HUP
    bind() { # SOURCE TARGET [mount options...]
        local source=$1 target=$2
        shift 2
        mount "$@" "$source" "$target"
        mounted+=("$target")
    }
    bind proc "$root/proc" -t proc
    bind sysfs "$root/sys" -t sysfs
    bind /dev "$root/dev" --bind
    bind /dev/pts "$root/dev/pts" --bind
    bind shm "$root/dev/shm" -t tmpfs -o mode=1777,size=2g # not the machine's own
    if [ -n "$cache" ]; then
        bind "$cache/apt" "$root/var/cache/apt/archives" --bind
    fi
    # The X server of steps 1 and 3 is this machine's, its socket in the root's /tmp.
    mkdir -p "$root/tmp/.X11-unix"
    chmod 1777 "$root/tmp/.X11-unix"
    bind "$root/tmp/.X11-unix" /tmp/.X11-unix --bind

    in_root() { chroot "$root" /usr/bin/env -i TERM=xterm PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    # An installed system knows its own name; sudo asks for it.
    grep -qsw "$(hostname)" "$root/etc/hosts" || printf '127.0.0.1 localhost\n127.0.1.1 %s\n' "$(hostname)" >>"$root/etc/hosts"
    say "the setting: sudo and a user '$user' who may use it without a password"
    {
        in_root DEBIAN_FRONTEND=noninteractive apt-get -q update
        in_root DEBIAN_FRONTEND=noninteractive apt-get -q install -y --no-install-recommends sudo
        in_root useradd --create-home --shell /bin/bash "$user"
    } >"$work/setting.log" 2>&1 || { tail -n 30 "$work/setting.log" >&2; die "could not set up sudo and the user"; }
    echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
    chmod 440 "$root/etc/sudoers.d/$user"
    uid=$(in_root id -u "$user")
    gid=$(in_root id -g "$user")
    home=/home/$user
    clone=$home/quibbet
    # --no-local: the clone shares no files with this repository, so chown cannot reach it.
    git clone -q --no-local --no-checkout "$here" "$root$clone"
    git -C "$root$clone" checkout -q --detach "$commit"
    chown -R "$uid:$gid" "$root$clone"
    say "cloned $commit into $clone"

    # What the commands cost: packages, their room on the disk, and the build folder.
    installed_count() {
        dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${db:Status-Status}\n' | grep -c '^installed$'
    }
    system_mb() { du -sxm --exclude="$root/home" "$root" | cut -f1; }
    packages_before=$(installed_count)
    system_before=$(system_mb)
    report_cost() {
        say "cost so far: $(($(installed_count) - packages_before)) packages installed," \
            "$(($(system_mb) - system_before)) MB more outside /home, build/ $(du -sm "$root$clone/build" | cut -f1) MB"
    }

    as_user() {
        chroot --userspec="$uid:$gid" --groups="$gid" "$root" /usr/bin/env -i TERM=xterm \
            HOME="$home" USER="$user" LOGNAME="$user" SHELL=/bin/bash PATH=/usr/local/bin:/usr/bin:/bin "$@"
    }
    as_root() {
        chroot "$root" /usr/bin/env -i TERM=xterm HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
    }

    start_xvfb() {
        local number fifo=$work/displayfd reported
        for _ in 1 2 3 4 5; do
            number=$((100 + RANDOM % 3900))
            rm -f "$fifo"
            mkfifo "$fifo"
            Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
            xvfb_pid=$!
            reported=""
            read -r -t 30 reported <"$fifo" || true
            if [ "$reported" = "$number" ] && DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
                display=:$number
                return 0
            fi
            kill "$xvfb_pid" 2>/dev/null || true
            wait "$xvfb_pid" 2>/dev/null || true
            xvfb_pid=""
        done
        die "could not start Xvfb (tried 5 display numbers)"
    }
    stop_xvfb() {
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    }

    # Starts ./scripts/run.sh (as_user or as_root) in the clone on a private X server, waits
    # for the window and the notes file, then ends Quibbet. Prints how long it took.
    run_command_until_window() {
        local who=$1 log=$2 started window="" name
        name=$([ "$who" = as_root ] && echo root || echo "$user")
        start_xvfb
        started=$(date +%s)
        "$who" DISPLAY="$display" bash -c "cd $clone && exec ./scripts/run.sh" </dev/null >"$log" 2>&1 &
        run_pid=$!
        while :; do
            if ! kill -0 "$run_pid" 2>/dev/null; then
                wait "$run_pid" && status=0 || status=$?
                run_pid=""
                tail -n 60 "$log" >&2
                die "./scripts/run.sh as $name ended (status $status) before Quibbet's window and notes file appeared"
            fi
            window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Quibbet$' 2>/dev/null | head -n 1 || true)
            [ -n "$window" ] && [ -s "$root$clone/clipdata.dat" ] && break
            if [ $(($(date +%s) - started)) -gt "$step_limit" ]; then
                tail -n 60 "$log" >&2
                die "./scripts/run.sh as $name: no window and notes file after $step_limit s"
            fi
            sleep 1
        done
        say "./scripts/run.sh as $name: window mapped and clipdata.dat written after $(elapsed "$started")"
        # run.sh hands its process to Quibbet: ending what runs in the root ends Quibbet, and
        # with it the command, while its X server is still there.
        end_processes_in "$root"
        wait "$run_pid" 2>/dev/null || true
        run_pid=""
        stop_xvfb
    }

    say "step 1: ./scripts/run.sh as $user (installs, builds, starts Quibbet)"
    run_command_until_window as_user "$work/run-user.log"
    report_cost

    say "step 2: ./scripts/test.sh as root in the same clone"
    started=$(date +%s)
    status=0
    timeout "$step_limit" chroot "$root" /usr/bin/env -i TERM=xterm HOME=/root USER=root LOGNAME=root \
        SHELL=/bin/bash PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd $clone && ./scripts/test.sh" </dev/null >"$work/test-root.log" 2>&1 || status=$?
    end_processes_in "$root"
    if [ "$status" -ne 0 ]; then
        grep -E -A3 '^[0-9]+% tests passed|The following tests' "$work/test-root.log" >&2 || tail -n 100 "$work/test-root.log" >&2
        grep -q '% tests passed' "$work/test-root.log" || tail -n 100 "$work/test-root.log" >&2
        die "./scripts/test.sh as root failed (status $status) after $(elapsed "$started")"
    fi
    grep -q '^100% tests passed' "$work/test-root.log" || die "./scripts/test.sh did not end with every test passed"
    grep -qx 'QUIBBET_WERROR:BOOL=ON' "$root$clone/build/CMakeCache.txt" ||
        die "./scripts/test.sh left build/ without warnings as errors"
    grep -q -- '-Werror' "$root$clone/build/app/CMakeFiles/quibbet.dir/flags.make" ||
        die "the program was not compiled with -Werror"
    grep -E '^[0-9]+% tests passed|^Total Test time' "$work/test-root.log" | sed "s/^/$me: /"
    say "./scripts/test.sh as root passed after $(elapsed "$started")"
    report_cost

    say "step 3: ./scripts/run.sh as root after the test command"
    run_command_until_window as_root "$work/run-root.log"
    exit 0
fi

# ---------------------------------------------------------------------------------------
# Outside: find the mirror, build the root, run the inside in its own mount namespace, and
# clean up.
[ "$(id -u)" -eq 0 ] || die "needs root: it builds a Debian root with debootstrap and enters it with chroot"
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)

# The first deb source of the suite, from the deb822 files or the one-line lists.
debian_mirror() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk -v suite="$suite" 'BEGIN { RS = ""; FS = "\n" }
            {
                uri = ""; has_suite = 0; is_deb = 0
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^URIs:/) { split($i, u, /[ \t]+/); uri = u[2] }
                    if ($i ~ /^Suites:/) { n = split($i, s, /[ \t]+/); for (j = 2; j <= n; j++) if (s[j] == suite) has_suite = 1 }
                    if ($i ~ /^Types:/ && $i ~ /[ \t]deb([ \t]|$)/) is_deb = 1
                    if ($i ~ /^Enabled:[ \t]*no/) is_deb = 0
                }
                if (uri != "" && has_suite && is_deb) { print uri; exit }
            }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk -v suite="$suite" '$1 == "deb" {
                i = 2
                if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
                if ($(i + 1) == suite) { print $i; exit }
            }' "$f"
    done
}
mirror=$(debian_mirror | head -n 1)
[ -n "$mirror" ] || die "no deb source for $suite in /etc/apt/sources.list or /etc/apt/sources.list.d"
mirror=${mirror%/}

missing=()
for tool in debootstrap:debootstrap wget:wget Xvfb:xvfb xdotool:xdotool git:git unshare:util-linux; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]} on this machine"
    DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 install -y --no-install-recommends \
        "${missing[@]}" >/dev/null 2>&1 || {
        DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 update >/dev/null 2>&1 || true
        DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 install -y --no-install-recommends \
            "${missing[@]}" >/dev/null
    }
fi

if ! wget -q -T 20 -t 2 -O /dev/null "$mirror/dists/$suite/Release"; then
    say "skipped: the Debian mirror $mirror cannot be reached"
    exit 0
fi

work=$(mktemp -d /var/tmp/quibbet-fresh-debian.XXXXXX)
root=$work/root
cleanup() {
    local status=$?
    end_processes_in "$root"
    # Nothing may still be mounted below the work folder before it is removed; the inside's
    # mounts live in its own namespace, so these are only ever leftovers.
    local leftovers
    leftovers=$(findmnt -rn -o TARGET | grep -F "$work/" | sort -r || true)
    if [ -n "$leftovers" ]; then
        while read -r target; do
            umount "$target" 2>/dev/null || umount -l "$target" || true
        done <<<"$leftovers"
    fi
    if findmnt -rn -o TARGET | grep -qF "$work/"; then
        echo "$me: $work still has mounts below it; left in place" >&2
        exit 1
    fi
    rm -rf --one-file-system "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

started=$(date +%s)
say "commit $commit; mirror $mirror; work folder $work"
debootstrap_options=(--variant=minbase)
if [ -n "$cache" ]; then
    mkdir -p "$cache/debootstrap" "$cache/apt/partial"
    debootstrap_options+=(--cache-dir="$cache/debootstrap")
fi
say "building a minimal Debian 12 root"
debootstrap "${debootstrap_options[@]}" "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 || {
    tail -n 30 "$work/debootstrap.log" >&2
    die "debootstrap failed"
}
say "root built after $(elapsed "$started")"

status=0
unshare --mount --propagation private -- bash "$repo/scripts/check-fresh-debian.sh" --inside "$work" "$commit" || status=$?
[ "$status" -eq 0 ] || die "a step failed after $(elapsed "$started")"
say "passed in $(elapsed "$started")"
