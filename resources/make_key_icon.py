#!/usr/bin/env python3
"""Writes the executable's icon: one 48 x 48 image with 32-bit colour (BGRA), a golden key.

The image is computed from the shapes below with 4 x 4 supersampling, so the file is the same
byte for byte on every run.
"""
import struct
import sys

SIZE = 48
SAMPLES = 4

GOLD = (0xE8, 0xB0, 0x2A)
EDGE = (0x8A, 0x5A, 0x0C)


def in_key(x, y):
    """True where the key covers the point (x, y), y growing downwards."""
    dx, dy = x - 15.0, y - 24.0
    ring = 5.0 ** 2 <= dx * dx + dy * dy <= 11.5 ** 2
    shaft = 24.0 <= x <= 44.0 and 21.0 <= y <= 27.0
    tooth = (34.0 <= x <= 37.5 or 40.5 <= x <= 44.0) and 27.0 <= y <= 34.0
    return ring or shaft or tooth


def coverage(px, py, grow=0.0):
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if grow:
                hit = any(in_key(x + ox, y + oy)
                          for ox in (-grow, 0.0, grow) for oy in (-grow, 0.0, grow))
            else:
                hit = in_key(x, y)
            hits += hit
    return hits / (SAMPLES * SAMPLES)


def pixel(px, py):
    """BGRA of one pixel: gold inside, a darker edge around it."""
    inner = coverage(px, py)
    outer = coverage(px, py, grow=1.2)
    alpha = outer
    if alpha == 0:
        return (0, 0, 0, 0)
    mix = inner / outer
    r, g, b = (round(e + (c - e) * mix) for c, e in zip(GOLD, EDGE))
    a = round(alpha * 255)
    return (b, g, r, a)


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour = b"".join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_row * SIZE)  # the alpha channel decides; the AND mask is all opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
