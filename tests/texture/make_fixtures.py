#!/usr/bin/env python3
"""Writes the bitmaps of the texture tests: make_fixtures.py OUT_DIR

Bitmap k (see fixture_colours.h) has at column x and row y, counted from the top, the colour
(16x + 8, 16y + 4, 50k + 2), so every pixel tells where it came from.
"""
import struct
import sys
from pathlib import Path

# name, k, width, height
FIXTURES = [
    ('chain_1.bmp', 0, 1, 1),
    ('chain_2.bmp', 1, 2, 2),
    ('chain_4.bmp', 2, 4, 4),
    ('chain_8.bmp', 3, 8, 8),
    ('wide_3x2.bmp', 4, 3, 2),
]


def bmp24(k, width, height):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # a BMP stores its bottom row first
        row = b''.join(bytes((50 * k + 2, 16 * y + 4, 16 * x + 8)) for x in range(width))  # B, G, R
        rows.append(row + bytes(stride - len(row)))
    pixels = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    for name, k, width, height in FIXTURES:
        (out / name).write_bytes(bmp24(k, width, height))


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
