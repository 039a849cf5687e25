#!/usr/bin/env bash
# tests/check_setup_update.sh WORK: runs set-up's update step, the real apt-get update, against a
# package repository of its own on a loopback HTTP server below WORK, through apt's own
# configuration (APT_CONFIG, with lists and cache below WORK), so that the host's apt state stays
# untouched and nothing is installed. Three suites break their one list as a mirror does: its
# Release file gives the list's size wrong ("size"), names a list that the server does not have
# ("missing"), or gives its hash wrong at the right size ("hash"). The server answers below /full/
# as some mirrors do, with a whole download of every Release file on every request, and elsewhere
# as Python's server does, "not modified" where apt already has the file. With a sound list beside
# a broken one, the step must try three times, name the broken list, go on, and leave apt a list
# to install from; with broken lists alone, it must fail with one line.
set -euo pipefail
work=$1
setup="$(cd "$(dirname "$0")/../scripts" && pwd)/setup"
rm -rf "$work"
mkdir -p "$work"
cd "$work"

arch=$(dpkg --print-architecture)
for suite in sound size missing hash; do
    list=main/dists/$suite/main/binary-$arch/Packages
    mkdir -p "$(dirname "$list")"
    printf 'Package: %s\nVersion: 1.0\nArchitecture: all\nFilename: pool/%s.deb\nSize: 9\n\n' \
        "$suite" "$suite" >"$list"
    size=$(stat -c %s "$list")
    hash=$(sha256sum <"$list" | cut -d' ' -f1)
    case $suite in
    size) size=$((size + 7)) ;;
    missing) mv "$list" "$list.gone" ;;
    hash) hash=${hash/?/$([ "${hash:0:1}" = 0 ] && echo 1 || echo 0)} ;;
    esac
    printf 'Suite: %s\nArchitectures: %s\nComponents: main\nSHA256:\n %s %s %s\n' "$suite" \
        "$arch" "$hash" "$size" "main/binary-$arch/Packages" >"main/dists/$suite/Release"
done

python3 -u - main >server.log 2>&1 <<'PY' &
import functools, http.server, sys

class Handler(http.server.SimpleHTTPRequestHandler):
    def send_head(self):
        if self.path.startswith("/full/"):
            self.path = self.path[len("/full"):]
            del self.headers["If-Modified-Since"]
        return super().send_head()

server = http.server.HTTPServer(
    ("127.0.0.1", 0), functools.partial(Handler, directory=sys.argv[1]))
print("port", server.server_address[1])
server.serve_forever()
PY
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 500); do # asks for the port first, for at most 5 s
    port=$(sed -n 's/^port \([0-9]*\)$/\1/p' server.log)
    [ -n "$port" ] && break
    kill -0 "$server" && sleep 0.01
done

# Runs the update step with these sources (suites, each with its path on the server), then asks apt
# to install the sound suite's package as a dry run: the output with the server's port as PORT,
# the step's exit code, and what the dry run would install.
update() {
    local suite
    rm -rf lists cache
    mkdir -p lists/partial cache/archives/partial etc
    for suite in "$@"; do
        echo "deb [trusted=yes] http://127.0.0.1:$port/${suite%/*} ${suite#*/} main"
    done >etc/sources.list
    cat >apt.conf <<CONF
Dir::State::Lists "$PWD/lists";
Dir::Cache "$PWD/cache";
Dir::Etc::SourceList "$PWD/etc/sources.list";
Dir::Etc::SourceParts "$PWD/etc";
APT::Architectures { "$arch"; };
Acquire::Languages "none";
CONF
    export APT_CONFIG=$PWD/apt.conf TESSORIN_APT_PAUSE=0
    {
        (
            source "$setup"
            as_root() { "$@"; } # needs no root: the lists are the test's own
            update_lists
        ) 2>&1 && echo "exit 0" || echo "exit $?"
        apt-get install -s -q sound 2>/dev/null | grep '^Inst' || true
    } | sed "s/$port/PORT/g"
}

failed=0
check() { # what, output, expected output
    if [ "$2" != "$3" ]; then
        printf '%s: the update step said\n%s\ninstead of\n%s\n' "$1" "$2" "$3"
        failed=1
    fi
}
again='setup: apt-get update could not fetch every package list (try 1 of 3); trying again in 0 s
setup: apt-get update could not fetch every package list (try 2 of 3); trying again in 0 s'
url() { echo "http://127.0.0.1:PORT$1/dists/$2/main/binary-$arch/Packages"; } # path, suite
ip='[IP: 127.0.0.1 PORT]'
declare -A reason=(
    [size]="File has unexpected size (78 != 85). Mirror sync in progress? $ip"
    [missing]="404  File not found $ip"
    [hash]="Hash Sum mismatch"
)
for broken in size missing hash; do
    check "a list of the wrong $broken beside a sound one, every Release downloaded whole" \
        "$(update full/sound full/$broken)" "$again
setup: going on without the package lists that the mirror serves broken: $(url /full "$broken") (${reason[$broken]})
exit 0
Inst sound (1.0 sound [all])"
done
requests=$(grep -c "GET /full/dists/hash/main/binary-$arch/Packages" server.log || true)
[ "$requests" -eq 3 ] || { echo "the broken list was asked for $requests times, not 3"; failed=1; }
check "a broken list beside a sound one, Release files not modified" "$(update /sound /size)" \
    "$again
setup: going on without the package lists that the mirror serves broken: $(url '' size) (${reason[size]})
exit 0
Inst sound (1.0 sound [all])"
check "the broken lists alone" "$(update full/size full/hash)" "$again
setup: apt-get update fetched no package list: Failed to fetch $(url /full size)  ${reason[size]}; check the network and /etc/apt/sources.list, then run this again
exit 1"
exit "$failed"
