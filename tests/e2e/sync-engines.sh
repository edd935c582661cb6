# Two file sync engines (Syncthing) on this machine, for tests of notes kept the same on two
# machines; sourced after lib.sh. Each engine has its own home under $work/engine-NAME and
# speaks only over 127.0.0.1: it listens there, knows the other by address, and every way
# of finding or reaching a device elsewhere (global and local discovery, relays, NAT
# traversal), usage and crash reports and upgrades are off. Ports are chosen when the test
# runs, so tests running side by side never meet.

sync_folder_id=quibbet-notes

# Prints N ports that are free on 127.0.0.1 now, each once.
free_ports() {
    python3 -c 'import socket, sys
held = [socket.socket() for _ in range(int(sys.argv[1]))]
for s in held:
    s.bind(("127.0.0.1", 0))
print(" ".join(str(s.getsockname()[1]) for s in held))' "$1"
}

# Makes an engine's keys (no network, no start); sets engine_id[NAME] to its device id.
declare -A engine_id engine_listen engine_gui engine_folder engine_pid
sync_api_key=$(head -c 24 /dev/urandom | base64 | tr -d '/+=')
generate_engine() {
    local name=$1 home="$work/engine-$1"
    syncthing generate --home "$home" --no-default-folder --skip-port-probing >"$home.generate.log" 2>&1 ||
        fail "syncthing could not make the keys of engine $name: $(cat "$home.generate.log")"
    engine_id[$name]=$(syncthing serve --home "$home" --device-id 2>/dev/null)
    [[ ${engine_id[$name]} =~ ^[A-Z0-9]{7}(-[A-Z0-9]{7}){7}$ ]] ||
        fail "engine $name has no device id: '${engine_id[$name]}'"
}

# Writes engine NAME's whole configuration, sharing its folder with engine OTHER.
write_engine_config() {
    local name=$1 other=$2 home="$work/engine-$1"
    cat >"$home/config.xml" <<EOF
<configuration version="36">
    <folder id="$sync_folder_id" label="notes" path="${engine_folder[$name]}" type="sendreceive"
            rescanIntervalS="5" fsWatcherEnabled="true" fsWatcherDelayS="1" ignorePerms="false" autoNormalize="true">
        <filesystemType>basic</filesystemType>
        <device id="${engine_id[$name]}" introducedBy=""></device>
        <device id="${engine_id[$other]}" introducedBy=""></device>
        <markerName>.stfolder</markerName>
        <!-- Missing here, it would be 0: the version that lost a conflict would be dropped. -->
        <maxConflicts>10</maxConflicts>
        <minDiskFree unit="%">1</minDiskFree>
    </folder>
    <device id="${engine_id[$name]}" name="$name" compression="metadata" introducer="false">
        <address>tcp://127.0.0.1:${engine_listen[$name]}</address>
    </device>
    <device id="${engine_id[$other]}" name="$other" compression="metadata" introducer="false">
        <address>tcp://127.0.0.1:${engine_listen[$other]}</address>
    </device>
    <gui enabled="true" tls="false" debugging="false">
        <address>127.0.0.1:${engine_gui[$name]}</address>
        <apikey>$sync_api_key</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${engine_listen[$name]}</listenAddress>
        <globalAnnounceServer>127.0.0.1:1</globalAnnounceServer>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <announceLANAddresses>false</announceLANAddresses>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <stunServer>127.0.0.1:1</stunServer>
        <stunKeepaliveStartS>0</stunKeepaliveStartS>
        <urAccepted>-1</urAccepted>
        <urSeen>3</urSeen>
        <urURL>http://127.0.0.1:1/</urURL>
        <crashReportingEnabled>false</crashReportingEnabled>
        <crashReportingURL>http://127.0.0.1:1/</crashReportingURL>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <releasesURL>http://127.0.0.1:1/</releasesURL>
        <startBrowser>false</startBrowser>
        <reconnectionIntervalS>1</reconnectionIntervalS>
    </options>
</configuration>
EOF
}

# Starts the two engines A and B, sharing the folders $work/a and $work/b, each ignoring the
# files that belong to one machine alone; waits until they are connected to each other.
start_sync_engines() {
    local ports
    read -r -a ports <<<"$(free_ports 4)"
    engine_listen[A]=${ports[0]} engine_gui[A]=${ports[1]}
    engine_listen[B]=${ports[2]} engine_gui[B]=${ports[3]}
    engine_folder[A]="$work/a" engine_folder[B]="$work/b"
    local name
    for name in A B; do
        mkdir -p "${engine_folder[$name]}/.stfolder"
        printf '%s\n' clipdata.dat-journal .clipdata.dat.lock >"${engine_folder[$name]}/.stignore"
        generate_engine "$name"
    done
    write_engine_config A B
    write_engine_config B A
    for name in A B; do
        STNORESTART=1 STNOUPGRADE=1 STNODEFAULTFOLDER=1 \
            syncthing serve --home "$work/engine-$name" --no-browser --no-restart --no-upgrade \
            --logflags=3 >"$work/engine-$name.log" 2>&1 &
        engine_pid[$name]=$!
        wm_pid="$wm_pid ${engine_pid[$name]}"
    done
    for name in A B; do
        wait_long 60 answers "$name" || fail "engine $name does not answer: $(tail -n 20 "$work/engine-$name.log")"
    done
    wait_long 60 connected A B && wait_long 60 connected B A ||
        fail "the engines did not connect: $(tail -n 20 "$work/engine-A.log" "$work/engine-B.log")"
}

# Tries the command every 0.1 s until it succeeds, for up to SECONDS; fails as its last try did.
wait_long() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do "$@" && return 0; sleep 0.1; done
    "$@"
}

# A request to engine NAME's REST interface (PATH, then curl's options); prints the answer.
rest() {
    curl -sf --max-time 10 -H "X-API-Key: $sync_api_key" "http://127.0.0.1:${engine_gui[$1]}/rest/$2" "${@:3}"
}
# Reads one value out of JSON on standard input with a Python expression over `j`.
json() { python3 -c 'import json, sys; j = json.load(sys.stdin); print(eval(sys.argv[1]))' "$1"; }

answers() { rest "$1" system/ping >/dev/null 2>&1; }
connected() {
    [ "$(rest "$1" system/connections | json "j['connections']['${engine_id[$2]}']['connected']" 2>/dev/null)" = True ]
}

# Both engines are idle, need nothing, each knows the other complete, and their views of the
# folder agree.
settled() {
    local name other status
    for name in A B; do
        [ $name = A ] && other=B || other=A
        status=$(rest $name "db/status?folder=$sync_folder_id") || return 1
        [ "$(json "j['state'] == 'idle' and j['needTotalItems'] == 0" <<<"$status")" = True ] || return 1
        [ "$(rest $name "db/completion?folder=$sync_folder_id&device=${engine_id[$other]}" |
            json "j['completion'] == 100 and j['needItems'] == 0 and j['needDeletes'] == 0")" = True ] || return 1
    done
    [ "$(rest A "db/status?folder=$sync_folder_id" | json "j['globalFiles'], j['globalDeleted'], j['globalBytes']")" = \
        "$(rest B "db/status?folder=$sync_folder_id" | json "j['globalFiles'], j['globalDeleted'], j['globalBytes']")" ]
}

# Engine NAME holds FILE of the shared folder as the newest version the two engines know of.
holds_newest() {
    [ "$(rest "$1" "db/file?folder=$sync_folder_id&file=$2" |
        json "j['local']['version'] == j['global']['version'] and not j['global']['deleted']" 2>/dev/null)" = True ]
}

# The names of the files the engines share, as engine NAME knows them, sorted, on one line.
shared_files() {
    rest "$1" "db/browse?folder=$sync_folder_id" | json "' '.join(sorted(entry['name'] for entry in j))"
}
