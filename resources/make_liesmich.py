#!/usr/bin/env python3
"""make_liesmich.py TEMPLATE OUTPUT VERSION

Writes the users' guide as Windows shows it in Notepad: the UTF-8 template with its version filled
in, as Windows-1252 bytes with CRLF line ends. A character that Windows-1252 lacks is an error."""
import sys


def main(template, output, version):
    with open(template, encoding="utf-8") as source:
        text = source.read().replace("@PROJECT_VERSION@", version)
    with open(output, "wb") as out:
        out.write(text.replace("\n", "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main(*sys.argv[1:4])
