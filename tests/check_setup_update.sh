#!/usr/bin/env bash
# tests/check_setup_update.sh WORK: runs set-up's update step, the real apt-get update, against a
# package repository of its own on a loopback HTTP server below WORK, through apt's own
# configuration (APT_CONFIG, with lists and cache below WORK), so that the host's apt state stays
# untouched and nothing is installed. The repository's Release file gives one list a wrong size,
# as a mirror in the middle of a sync does. With a sound list beside it, the step must try three
# times, name the broken list and go on; with the broken list alone, it must fail with one line.
set -euo pipefail
work=$1
setup="$(cd "$(dirname "$0")/../scripts" && pwd)/setup"
rm -rf "$work"
mkdir -p "$work"
cd "$work"

# Two suites of one list each, "sound" and "broken": the broken one's Release file gives its list's
# size 7 bytes too large.
arch=$(dpkg --print-architecture)
for suite in sound broken; do
    list=main/dists/$suite/main/binary-$arch/Packages
    mkdir -p "$(dirname "$list")"
    printf 'Package: %s\nVersion: 1.0\nArchitecture: all\nFilename: pool/%s.deb\nSize: 9\n\n' \
        "$suite" "$suite" >"$list"
    size=$(stat -c %s "$list")
    [ "$suite" = sound ] || size=$((size + 7))
    printf 'Suite: %s\nArchitectures: %s\nComponents: main\nSHA256:\n %s %s %s\n' "$suite" \
        "$arch" "$(sha256sum <"$list" | cut -d' ' -f1)" "$size" "main/binary-$arch/Packages" \
        >"main/dists/$suite/Release"
done

python3 -u -m http.server 0 --bind 127.0.0.1 --directory main >server.log 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 500); do # asks for the port first, for at most 5 s
    port=$(sed -n 's/^Serving HTTP on [0-9.]* port \([0-9]*\).*/\1/p' server.log)
    [ -n "$port" ] && break
    kill -0 "$server" && sleep 0.01
done

# Runs the update step with these suites: its output, the server's port as PORT, and exit code.
update() {
    local suite
    rm -rf lists cache
    mkdir -p lists/partial cache/archives/partial etc
    for suite in "$@"; do
        echo "deb [trusted=yes] http://127.0.0.1:$port $suite main"
    done >etc/sources.list
    cat >apt.conf <<CONF
Dir::State::Lists "$PWD/lists";
Dir::Cache "$PWD/cache";
Dir::Etc::SourceList "$PWD/etc/sources.list";
Dir::Etc::SourceParts "$PWD/etc";
APT::Architectures { "$arch"; };
Acquire::Languages "none";
CONF
    (
        export APT_CONFIG=$PWD/apt.conf TESSORIN_APT_PAUSE=0
        source "$setup"
        as_root() { "$@"; } # needs no root: the lists are the test's own
        update_lists
    ) 2>&1 | sed "s/$port/PORT/g"
    echo "exit ${PIPESTATUS[0]}"
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
url=http://127.0.0.1:PORT/dists/broken/main/binary-$arch/Packages
size='File has unexpected size (82 != 89). Mirror sync in progress? [IP: 127.0.0.1 PORT]'
check "a broken list beside a sound one" "$(update sound broken)" "$again
setup: going on without the package lists that the mirror serves broken: $url ($size)
exit 0"
requests=$(grep -c "GET /dists/broken/main/binary-$arch/Packages" server.log || true)
[ "$requests" -eq 3 ] || { echo "the broken list was asked for $requests times, not 3"; failed=1; }
ls lists/*_dists_sound_main_binary-"${arch}"_Packages* >/dev/null || failed=1
check "the broken list alone" "$(update broken)" "$again
setup: apt-get update fetched no package list: Failed to fetch $url  $size; check the network and /etc/apt/sources.list, then run this again
exit 1"
exit "$failed"
