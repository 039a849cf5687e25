#!/usr/bin/env bash
# tests/check_kit.sh KIT VERSION WORK BITS: checks the kit's TESTS.txt as the users' guide is checked
# (Windows-1252, CRLF, width, version) and runs the test kit KIT under the Wine of BITS, each time
# unpacked into a fresh folder below WORK:
# - as a person does: tests.cmd started as a double click starts it, by its full path and without
#   arguments (a few tests of each program chosen through GTEST_FILTER). It must show the report
#   and wait for a key, then exit with 0; report.txt, ASCII with CRLF line ends, must hold a count
#   for each program and end with "ALL PASSED".
# - as a script calls it, with a filter as argument, which must not wait for a key, for copies
#   that must fail: tessorin.exe with one byte of a button's text and one of a painted label's
#   changed (the same length, so that it still starts) must end with "FAILED: window_tests" and
#   name both; in the 64-bit kit, test programs that end as a crash does (exit code 0xC0000005)
#   must all be named as failed.
# Exits with 77 where this Wine cannot run, as scripts/wine-run does.
set -euo pipefail
kit=$1 version=$2 work=$3 bits=$4
wine_run="$(cd "$(dirname "$0")/../scripts" && pwd)/wine-run"
filter='FormatInteger.*:ParseRealExactness.HardDecimals*:MainWindow.OpensCentred*:Window.*'
crash='--gtest_also_run_disabled_tests --gtest_filter=Printer.DISABLED_EndsAsACrashDoes'
programs='core_tests real_exactness_tests window_inside_tests window_tests'
scale=$("$wine_run" "$bits" --wait-scale)
mkdir -p "$work"
run=$(mktemp -d "$work/run.XXXXXX")
trap 'exec 9>&-; rm -rf "$run"' EXIT

# Runs the kit unpacked into folder $1 with tests.cmd as a double click starts it; answers its wait
# for a key once the report shows, and fails at once where it ends without waiting.
double_click() {
    local folder=$1 started
    mkfifo "$folder/keys"
    (cd "$folder" && GTEST_FILTER=$filter exec "$wine_run" "$bits" cmd /c "Z:${folder//\//\\}\\tests.cmd") \
        <"$folder/keys" >"$folder/output" 2>&1 &
    started=$!
    exec 9>"$folder/keys"
    while ! grep -q 'ALL PASSED\|FAILED:' "$folder/output" || ! grep -q 'any key' "$folder/output"; do
        if ! kill -0 "$started" 2>/dev/null; then
            echo "tests.cmd ended without waiting for a key:"
            cat "$folder/output"
            wait "$started"
            return 1
        fi
        sleep 0.1
    done
    echo >&9
    exec 9>&-
    wait "$started"
}

# tests.cmd is the same for both bitnesses: its handling of a crash is checked where Wine runs the
# programs natively, since under emulation each start of a program takes seconds.
kinds="sound broken"
[ "$scale" -gt 1 ] || kinds+=" crash"
for kind in $kinds; do
    folder=$run/$kind
    mkdir "$folder"
    (cd "$folder" && cmake -E tar xf "$kit")
    /usr/bin/python3 "$(dirname "$0")/check_release.py" --text "$folder/TESTS.txt" "$version"
    # A button's text and a painted label, each one byte changed: the report must name both.
    if [ "$kind" = broken ]; then
        python3 - "$folder/tessorin.exe" <<'PYTHON'
import sys
data = open(sys.argv[1], "rb").read()
for old, new in ((b"Beenden\0", b"Beendem\0"), (b"Ziffern\0", b"Ziffarn\0")):
    assert data.count(old) == 1, old
    data = data.replace(old, new)
open(sys.argv[1], "wb").write(data)
PYTHON
    fi
    status=0
    case $kind in
    sound) double_click "$folder" || status=$? ;;
    crash) (cd "$folder" && "$wine_run" "$bits" cmd /c tests.cmd $crash) </dev/null \
        >"$folder/output" 2>&1 || status=$? ;;
    # A label that is missing shows only when the wait for it runs out, so here waits are stretched
    # at most twice, enough for a start of the program under emulation.
    broken) (cd "$folder" && TESSORIN_WAIT_SCALE=$((scale > 2 ? 2 : scale)) "$wine_run" "$bits" cmd /c \
        tests.cmd "--gtest_filter=Window.*") </dev/null >"$folder/output" 2>&1 || status=$? ;;
    esac
    if [ "$status" -eq 77 ]; then
        exit 77
    fi
    report="$folder/report.txt"
    last=$(tail -n 1 "$report" | tr -d '\r')
    counts=$(grep -c "^[0-9]* passed, [0-9]* failed, [0-9]* skipped" "$report" || true)
    shown=$(tr -d '\r' <"$folder/output" | tail -n 1)
    echo "${SECONDS}s, $kind kit: tests.cmd exit code $status, $counts counts, last line: $last; shown last: $shown"
    if [ "$kind" = broken ] && ! { grep -qF '"Beendem"' "$report" &&
        grep -qF 'not painted as they should be: Ziffern (' "$report"; }; then
        echo "report.txt does not name both changes"
        cat "$report"
        exit 1
    fi
    if LC_ALL=C grep -q $'[^\r]$\\|[^\x01-\x7F]' "$report"; then
        echo "report.txt is not ASCII with CRLF line ends"
        exit 1
    fi
    case "$kind:$status:$counts:$last:$shown" in
    "sound:0:4:ALL PASSED:Press any key"* | broken:[1-9]*:4:"FAILED: window_tests:FAILED: window_tests") ;;
    "crash:"[1-9]*":0:FAILED: $programs:FAILED: $programs") ;;
    *)
        cat "$report"
        exit 1
        ;;
    esac
done
