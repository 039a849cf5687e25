#!/usr/bin/env bash
# tests/check_kit.sh KIT VERSION WORK BITS: checks the kit's TESTS.txt as the users' guide is checked
# (Windows-1252, CRLF, width, version) and runs the test kit KIT under the Wine of BITS, each time
# unpacked into a fresh folder below WORK whose path holds "&" and "!", as a person's may:
# - as a person does: window_tests' own kit case puts a person's clipboard in place, starts
#   tests.cmd as Explorer starts it on a double click (cmd /c ""PATH\tests.cmd" ", from the
#   temporary folder) with a few tests of each program chosen through GTEST_FILTER, and holds the
#   clipboard to be as it was afterwards. tests.cmd must show the report and wait for a key, then
#   exit with 0; report.txt, ASCII with CRLF line ends, in the kit's folder, must hold each line in
#   its place and end with "ALL PASSED".
# - the same for a copy that must fail, whose tessorin.exe has one byte of a button's text and one
#   of a painted label's changed (the same length, so that it still starts), with the session test
#   in its filter: "FAILED: window_tests", naming both, the clipboard back as it was, and no line
#   of a report.txt that stood there before.
# - as a script calls it, in the 64-bit kit: test programs that end as a crash does (exit code
#   0xC0000005) must all be named as failed.
# - as a script calls it, with the window's opening test alone, in the prefix set to 144 DPI (150 %)
#   for this run (Wine reads it when a program starts; the value is taken away again afterwards):
#   "ALL PASSED", with the opening test skipped and naming the scale.
# The prefix's temporary folder must hold no new entry afterwards. Exits with 77 where this
# Wine cannot run, as scripts/wine-run does.
set -euo pipefail
kit=$1 version=$2 work=$3 bits=$4
scripts="$(cd "$(dirname "$0")/../scripts" && pwd)"
wine_run=$scripts/wine-run
filter='FormatInteger.*:ParseRealExactness.HardDecimals*:MainWindow.OpensCentred*:Window.*:Session.*'
crash='--gtest_also_run_disabled_tests --gtest_filter=Printer.DISABLED_EndsAsACrashDoes'
programs='core_tests real_exactness_tests window_inside_tests window_tests'
scale=$("$wine_run" "$bits" --wait-scale)
source "$scripts/wine-env" "$bits"
# Where this Wine cannot run, skipped or failed as scripts/wine-run has it, before anything starts.
if reason=$(wine_unavailable); then
    wine_may_be_missing && { echo "skipped: $reason"; exit 77; }
    echo "failed: $reason"
    exit 1
fi
# 32-bit programs in a 64-bit prefix run under WoW64, as on 64-bit Windows.
wow64=no
[ "$bits$WINEARCH" != 32win64 ] || wow64=yes
temp=$(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -iname temp -type d)
temp_before=$(ls -A "$temp")
mkdir -p "$work"
run=$(mktemp -d "$work/run.XXXXXX")
dpi=(reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f) # Wine's own value stands behind it
trap 'exec 9>&-; rm -rf "$run"; "$wine_run" "$bits" "${dpi[@]}" >/dev/null 2>&1 || true' EXIT

# Runs the kit unpacked into folder $1 as a double click starts tests.cmd, with the filter $2 for
# its programs; answers its wait for a key once the report shows, and fails at once where it ends
# without waiting.
double_click() {
    local folder=$1 started
    mkfifo "$folder/keys"
    (cd "$run" && GTEST_FILTER=$2 exec "$wine_run" "$bits" "$folder/window_tests.exe" \
        --gtest_also_run_disabled_tests --gtest_filter=Kit.*) <"$folder/keys" >"$folder/output" 2>&1 &
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

# report.txt's lines as they must stand, with the Windows version, the counts and the failed and
# skipped tests by their kind, once for each run of them; the messages of failures and skips are
# left out.
report_lines() {
    tr -d '\r' <"$1" | sed -E -e 's/^Microsoft Windows .+/(Windows version)/' \
        -e 's/^[0-9]+ passed, 0 failed, [0-9]+ skipped$/(count, none failed)/' \
        -e 's/^[0-9]+ passed, [1-9][0-9]* failed, [0-9]+ skipped$/(count, some failed)/' \
        -e 's/^(failed|skipped) ([A-Za-z_.]+) at .*/\1 \2/' |
        grep -E '^(Tessorin |\(|Under WoW64: |[a-z_]+:$|failed |skipped |ALL PASSED$|FAILED:)' | uniq
}
# What report_lines must give: programs' results, one argument each ("(count, none failed)" and
# what stands before it), and the last line.
expected_lines() {
    local program results=("$@")
    printf 'Tessorin %s test kit, %s-bit\n(Windows version)\nUnder WoW64: %s\n' "$version" "$bits" \
        "$wow64"
    for program in $programs; do
        printf '%s:\n%s\n' "$program" "${results[0]}"
        results=("${results[@]:1}")
    done
    printf '%s\n' "${results[0]}"
}

# tests.cmd is the same for both bitnesses: its handling of a crash is checked where Wine runs the
# programs natively, since under emulation each start of a program takes seconds.
kinds="sound broken"
[ "$scale" -gt 1 ] || kinds+=" crash"
kinds+=" scaled"
none='(count, none failed)'
for kind in $kinds; do
    folder="$run/Tom & Jerry!/$kind"
    mkdir -p "$folder"
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
        printf 'Tessorin 0.9.0 test kit, 32-bit\r\nALL PASSED\r\n' >"$folder/report.txt" # an earlier run's
    fi
    status=0
    case $kind in
    sound) double_click "$folder" "$filter" || status=$? ;;
    # A label that is missing shows only when the wait for it runs out, so here waits are stretched
    # at most twice, enough for a start of the program under emulation.
    broken) TESSORIN_WAIT_SCALE=$((scale > 2 ? 2 : scale)) double_click "$folder" \
        'Window.*:Session.*' || status=$? ;;
    crash) (cd "$folder" && "$wine_run" "$bits" cmd /c tests.cmd $crash) </dev/null \
        >"$folder/output" 2>&1 || status=$? ;;
    scaled)
        "$wine_run" "$bits" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 \
            /f >/dev/null
        (cd "$folder" && "$wine_run" "$bits" cmd /c tests.cmd --gtest_filter=Window.*) </dev/null \
            >"$folder/output" 2>&1 || status=$?
        "$wine_run" "$bits" "${dpi[@]}" >/dev/null
        ;;
    esac
    if [ "$status" -eq 77 ]; then
        exit 77
    fi
    report="$folder/report.txt"
    cmd_status=$(tr -d '\r' <"$folder/output" | sed -n 's/.*tests.cmd exit code //p')
    echo "${SECONDS}s, $kind kit: exit code $status, tests.cmd's ${cmd_status:-not told}," \
        "last line: $(tail -n 1 "$report" 2>/dev/null | tr -d '\r')"
    case $kind in
    sound) expected=$(expected_lines "$none" "$none" "$none" "$none" "ALL PASSED") ;;
    broken) expected=$(expected_lines "$none" "$none" "$none" "failed Window.OpensCentredWithItsFixedSizeStyleAndElevenControls
failed Session.EveryStepChangesWhatItShouldAndNothingElse
(count, some failed)" "FAILED: window_tests") ;;
    crash) expected=$(expected_lines "" "" "" "" "FAILED: $programs" | sed '/^$/d') ;;
    scaled) expected=$(expected_lines "$none" "$none" "$none" "skipped Window.OpensCentredWithItsFixedSizeStyleAndElevenControls
$none" "ALL PASSED") ;;
    esac
    lines=$(report_lines "$report")
    if [ "$lines" != "$expected" ]; then
        printf 'report.txt holds\n%s\ninstead of\n%s\n' "$lines" "$expected"
        cat "$report"
        exit 1
    fi
    if [ "$kind" = broken ] && ! { grep -qF '"Beendem"' "$report" &&
        grep -qF 'not painted as they should be: Ziffern (' "$report"; }; then
        echo "report.txt does not name both changes"
        cat "$report"
        exit 1
    fi
    if [ "$kind" = scaled ] && ! grep -qF 'the display is scaled to 150 %' "$report"; then
        echo "report.txt does not name the display's scale"
        cat "$report"
        exit 1
    fi
    if LC_ALL=C grep -q $'[^\r]$\\|[^\x01-\x7F]' "$report"; then
        echo "report.txt is not ASCII with CRLF line ends"
        exit 1
    fi
    # The double clicks' own test holds the clipboard; tests.cmd's exit code is its verdict.
    case "$kind:$status:${cmd_status:-}" in
    sound:0:0 | broken:0:1 | crash:[1-9]*: | scaled:0:) ;;
    *)
        cat "$folder/output"
        exit 1
        ;;
    esac
done
left=$(comm -13 <(echo "$temp_before") <(ls -A "$temp"))
if [ -n "$left" ]; then
    printf 'the kit left in the temporary folder:\n%s\n' "$left"
    exit 1
fi
