#!/usr/bin/env python3
"""Draws the application icon's PNG sizes from the shapes of lumora.svg.

The shapes are written out here as well, so the pictures need no SVG
renderer: each pixel is sampled 4x4 times and the samples averaged.
Run from this folder: python3 draw_icons.py
"""
import struct
import zlib

BLUE = (0x2A, 0x6F, 0xDB)
WHITE = (0xFF, 0xFF, 0xFF)
YELLOW = (0xF5, 0xB7, 0x00)
SIZES = (16, 24, 32, 48, 64, 128, 256)


def in_rounded_rect(x, y):
    left, top, right, bottom, r = 8, 8, 248, 248, 48
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + r), right - r)
    cy = min(max(y, top + r), bottom - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def colour_at(x, y):
    """The colour of the topmost shape at (x, y) in the 256 square, or None."""
    if in_circle(x, y, 128, 112, 40):
        return YELLOW
    if in_circle(x, y, 128, 112, 80) or in_triangle(x, y, (80, 168), (56, 228), (132, 188)):
        return WHITE
    if in_rounded_rect(x, y):
        return BLUE
    return None


def draw(size):
    rows = []
    n = 4
    scale = 256.0 / size
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            r = g = b = a = 0
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((px + (sx + 0.5) / n) * scale, (py + (sy + 0.5) / n) * scale)
                    if c is not None:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            if a:
                row += bytes((r // a, g // a, b // a, a * 255 // (n * n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return png(size, b"".join(rows))


def png(size, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    for s in SIZES:
        with open(f"lumora-{s}.png", "wb") as f:
            f.write(draw(s))
