#!/usr/bin/env python3
"""check_release.py ZIP VERSION TIME
check_release.py --refuses-broken GUIDE EXE VERSION
check_release.py --text TEXT VERSION

Checks a release ZIP as a user receives it: named tessorin-VERSION-win32.zip or -win64.zip, it holds
tessorin.exe and LIESMICH.txt and nothing else, both with the time TIME (seconds since 1970) and
fixed permissions; the guide reads right in Notepad: Windows-1252 without UTF-8 sequences, CRLF at
the end of every line, no line over 78 columns, and no version but VERSION; and what it says of the
program holds in the program beside it: each access key it names is the one that the menu's text
marks with "&", and its limits of the count are those of the window's label. A SHA256SUMS written
with sha256sum passes sha256sum -c, and fails it for a copy with one byte changed.
With --refuses-broken it checks instead that the guide's check fails on copies of GUIDE that each
break one of its rules, against the program EXE. With --text it checks a text file such as the test
kit's TESTS.txt by the guide's rules of encoding, line ends, width and version alone."""
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile

ENTRIES = {"LIESMICH.txt": 0o644, "tessorin.exe": 0o755}


def claims_failures(text, exe):
    """Where the guide's text says of the menus or the count what the program's bytes do not hold:
    the menu texts as the program writes them, "&Datei", "E&xit", and the label "...(1-99):". The
    guide quotes in German quotation marks, \u201e and \u201c."""
    failures = []
    menus = re.findall(r"Alt\+(\w)[^.]*?Men\xfc\s+\u201e(\w+)\u201c", text)
    items = re.findall(r"\b(\w) f\xfcr (\w+)", text)
    if len(menus) < 2 or len(items) < 3:
        failures.append(f"names the access keys of {menus} and {items} only")
    for key, name in menus + items:
        at = name.lower().find(key.lower())
        marked = f"{name[:at]}&{name[at:]}\0".encode("cp1252")
        if at < 0 or marked not in exe:
            failures.append(f"names {key} for {name}, which the program's menus do not mark")
    label = re.search(rb"\((\d+)-(\d+)\):\0", exe)
    low, high = (label.group(1).decode(), label.group(2).decode()) if label else ("?", "?")
    for claim in (f"{low} bis {high} Zeichen", f"({low}-{high})",
                  f"\u201e+\u201c geht nicht \xfcber {high} hinaus",
                  f"\u201e-\u201c nicht unter {low}."):
        if claim not in re.sub(r"\s+", " ", text):
            failures.append(f"does not say '{claim}', as the window's label has it")
    return failures


def guide_failures(data, version, exe=None):
    """What is wrong with the guide's bytes, and with what it says of the program exe, if given."""
    failures = []
    if re.search(rb"[\xC2-\xF4][\x80-\xBF]", data):
        failures.append("holds a UTF-8 sequence")
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as error:
        return failures + [f"is not Windows-1252: {error}"]
    if not text.endswith("\r\n") or re.search(r"\r(?!\n)|(?<!\r)\n", text):
        failures.append("has a line that does not end in CRLF")
    for number, line in enumerate(text.split("\r\n"), 1):
        if len(line) > 78:
            failures.append(f"line {number} has {len(line)} columns")
    versions = set(re.findall(r"\d+\.\d+\.\d+", text))
    if versions != {version}:
        failures.append(f"names the versions {sorted(versions)}, not {version} alone")
    return failures + (claims_failures(text, exe) if exe is not None else [])


def zip_failures(path, version, seconds):
    failures = []
    if not re.fullmatch(rf"tessorin-{re.escape(version)}-win(32|64)\.zip", os.path.basename(path)):
        failures.append(f"{os.path.basename(path)} is not named for version {version}")
    with zipfile.ZipFile(path) as archive:
        entries = archive.infolist()
        if sorted(entry.filename for entry in entries) != sorted(ENTRIES):
            return failures + [f"holds {[entry.filename for entry in entries]}"]
        # ZIP times are local times in steps of 2 s; the release writes them in UTC.
        expected = time.gmtime(seconds - seconds % 2)[:6]
        for entry in entries:
            if entry.date_time != expected:
                failures.append(f"{entry.filename} has the time {entry.date_time}, not {expected}")
            if entry.external_attr >> 16 & 0o777 != ENTRIES[entry.filename]:
                failures.append(f"{entry.filename} has the permissions {entry.external_attr >> 16:o}")
        failures += [f"LIESMICH.txt {failure}"
                     for failure in guide_failures(archive.read("LIESMICH.txt"), version,
                                                   archive.read("tessorin.exe"))]
    return failures


def sums_failures(path):
    """sha256sum -c must pass for the ZIP and fail for a copy with one byte changed."""
    name = os.path.basename(path)
    with open(path, "rb") as source:
        data = source.read()
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        sums = subprocess.run(["sha256sum", path], check=True, capture_output=True, text=True)
        with open(os.path.join(folder, "SHA256SUMS"), "w") as out:
            out.write(sums.stdout.replace(path, name))
        for changed in (False, True):
            with open(os.path.join(folder, name), "wb") as copy:
                copy.write(data[:100] + bytes([data[100] ^ 1]) + data[101:] if changed else data)
            check = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=folder,
                                   capture_output=True, text=True)
            if (check.returncode != 0) != changed:
                failures.append(f"sha256sum -c {'passed a changed' if changed else 'failed the'}"
                                f" copy: {check.stdout.strip()}")
    return failures


def broken_copies(data, version):
    """Copies of a sound guide, each breaking one rule."""
    first_end = data.index(b"\r\n")
    return {
        "a UTF-8 letter": data.replace(b"\xFC", b"\xC3\xBC", 1),
        "an LF line end": data[:first_end] + data[first_end + 1:],
        "a line of 79 columns": data + b"x" * 79 + b"\r\n",
        "another version": data.replace(version.encode(), b"9.9.9", 1),
        "Alt+F for Datei": data.replace(b"Alt+D", b"Alt+F", 1),
        "C for Exit": data.replace(b"X f\xfcr Exit", b"C f\xfcr Exit", 1),
        "another limit": data.replace(b"nicht unter 1", b"nicht unter 2", 1),
    }


def main(arguments):
    if arguments[0] == "--refuses-broken":
        with open(arguments[1], "rb") as source, open(arguments[2], "rb") as program:
            data, exe = source.read(), program.read()
        failures = guide_failures(data, arguments[3], exe)
        failures += [f"the check passes a copy with {what}"
                     for what, copy in broken_copies(data, arguments[3]).items()
                     if not guide_failures(copy, arguments[3], exe)]
    elif arguments[0] == "--text":
        with open(arguments[1], "rb") as source:
            failures = [f"{arguments[1]} {failure}"
                        for failure in guide_failures(source.read(), arguments[2])]
    else:
        path, version, seconds = arguments[0], arguments[1], int(arguments[2])
        failures = zip_failures(path, version, seconds) + sums_failures(path)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
