#!/usr/bin/env bash
# tests/check_kit.sh KIT VERSION WORK BITS: checks the kit's TESTS.txt as the users' guide is checked
# (Windows-1252, CRLF, width, version), unpacks the test kit KIT into a fresh folder below WORK and
# starts its tests.cmd there under the Wine of BITS, with a few tests of each test program: it must
# exit with 0, and its report.txt, ASCII with CRLF line ends, must hold a count for each program and
# end with "ALL PASSED". Then a copy of the kit whose tessorin.exe has one byte of the button text
# "Beenden" changed (the same length, so that it still starts) must exit non-zero and end with
# "FAILED: window_tests", which shows that the kit can fail. Exits with 77 where this Wine cannot
# run, as scripts/wine-run does.
set -euo pipefail
kit=$1 version=$2 work=$3 bits=$4
wine_run="$(cd "$(dirname "$0")/../scripts" && pwd)/wine-run"
filter='--gtest_filter=FormatInteger.*:ParseRealExactness.HardDecimals*:MainWindow.IsOfItsClass:Window.*'
mkdir -p "$work"
run=$(mktemp -d "$work/run.XXXXXX")
trap 'rm -rf "$run"' EXIT

for kind in sound broken; do
    mkdir "$run/$kind"
    (cd "$run/$kind" && cmake -E tar xf "$kit")
    /usr/bin/python3 "$(dirname "$0")/check_release.py" --text "$run/$kind/TESTS.txt" "$version"
    if [ "$kind" = broken ]; then
        python3 - "$run/$kind/tessorin.exe" <<'PYTHON'
import sys
data = open(sys.argv[1], "rb").read()
assert data.count(b"Beenden\0") == 1
open(sys.argv[1], "wb").write(data.replace(b"Beenden\0", b"Beendem\0"))
PYTHON
    fi
    status=0
    (cd "$run/$kind" && "$wine_run" "$bits" cmd /c tests.cmd "$filter") || status=$?
    if [ "$status" -eq 77 ]; then
        exit 77
    fi
    report="$run/$kind/report.txt"
    last=$(tail -n 1 "$report" | tr -d '\r')
    counts=$(grep -c "^[0-9]* passed, [0-9]* failed, [0-9]* skipped" "$report" || true)
    echo "$kind kit: tests.cmd exit code $status, $counts counts, last line: $last"
    if LC_ALL=C grep -q $'[^\r]$\\|[^\x01-\x7F]' "$report"; then
        echo "report.txt is not ASCII with CRLF line ends"
        exit 1
    fi
    case "$kind:$status:$counts:$last" in
    sound:0:4:"ALL PASSED" | broken:[1-9]*:4:"FAILED: window_tests") ;;
    *)
        cat "$report"
        exit 1
        ;;
    esac
done
