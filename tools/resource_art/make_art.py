#!/usr/bin/env python3
"""Draws the program's pictures of the cell pattern at build time: the About logo, the two large
images the executable carries, and the application icon.

    make_art.py OUT_DIR

The pattern is the background shader's formula evaluated on the CPU in single precision.
"""
import struct
import sys
from pathlib import Path

import numpy as np
from PIL import Image

F = np.float32
PI = F(3.14159)


def fract(x):
    return x - np.floor(x)


def smoothstep(e0, e1, x):
    t = np.clip((x - F(e0)) / F(e1 - e0), F(0), F(1))
    return t * t * (F(3) - F(2) * t)


def hash_of(x, y, a, b, k):
    return fract(np.sin(x * F(a) + y * F(b)) * F(k))


def cells(width, height, time, scale_height=None, shift=(0.0, 0.0)):
    """RGB bytes (height x width x 3, top row first) of the pattern at `time` seconds.

    scale_height is the viewport height the cells are sized for (the picture's own height unless
    given); shift moves the view, in cells.
    """
    scale = F(scale_height or height)
    px = np.arange(width, dtype=F) + F(0.5)
    py = np.arange(height, dtype=F)[::-1] + F(0.5)  # gl_FragCoord counts rows from the bottom
    fx, fy = np.meshgrid(px, py)
    x = (F(2) * fx - F(width)) / scale * F(10) + F(shift[0])
    y = (F(2) * fy - F(height)) / scale * F(10) + F(shift[1])
    cx, cy = np.floor(x), np.floor(y)
    r1 = hash_of(cx, cy, 12.9898, 78.233, 137.5453)
    r2 = hash_of(cx, cy, 1.9898, 7.233, 37.5453)
    r3 = hash_of(cx, cy, 3.1771, 5.755, 17.5453)
    black = smoothstep(1.0, 0.9, np.cos(x * PI * F(2))) * smoothstep(1.0, 0.9, np.cos(y * PI * F(2)))
    glow = smoothstep(1.0, 0.1, np.hypot(fract(x) - F(0.5), fract(y) - F(0.5)))
    t = F(time)
    pulse = F(0.5) + F(0.5) * np.cos(r1 + r1 * t + t + PI * F(0))
    k = black * glow * pulse
    rgb = np.stack([r1 * k, r2 * k, r3 * k], axis=-1)
    return np.rint(np.clip(rgb, 0, 1) * 255).astype(np.uint8)


def icon_entry(rgb):
    """One ICO image as a 32-bit DIB with an all-opaque AND mask (readable since Windows XP)."""
    size = rgb.shape[0]
    bgra = np.concatenate([rgb[::-1, :, ::-1], np.full((size, size, 1), 255, np.uint8)], axis=-1)
    mask_row = ((size + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + bgra.tobytes() + bytes(mask_row * size)


def write_icon(path, images):
    entries = [icon_entry(rgb) for rgb in images]
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for rgb, data in zip(images, entries):
        size = rgb.shape[0]
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    Path(path).write_bytes(out + b''.join(entries))


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    time = 2.0
    # Cells of eleven pixels, so the small logo still shows them as cells.
    Image.fromarray(cells(110, 83, time, scale_height=220)).save(out / 'about_logo.bmp')
    Image.fromarray(cells(1920, 1080, time)).save(out / 'cells_1920x1080.bmp')
    Image.fromarray(cells(2400, 2400, time)).save(out / 'cells_2400x2400.png', compress_level=3)
    # Three whole cells across, picked for the most colour.
    write_icon(out / 'tesselume.ico',
               [cells(s, s, time, scale_height=s * 20 / 3, shift=(2.5, 3.5)) for s in (16, 32, 48)])


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
