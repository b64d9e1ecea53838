#!/usr/bin/env python3
"""Draws the two PNG pictures the demo form shows, from formulas alone.

- data/images/demo/emblem.png: a 64 x 64 RGBA emblem (a ring with a tail, shaded from blue to
  teal) whose edges fade out over about a pixel and a half, so a background shows through
  its hole and softly around it.
- data/images/demo/landscape.png: a 160 x 120 RGB landscape (sky, sun, two rows of hills),
  Adam7-interlaced, so a progressive display has seven passes to show.

Only the standard library is used, so the output depends on nothing but this script.

Usage: make_demo_pngs.py [output_root]   (default: the repository root)
"""

import math
import pathlib
import struct
import sys
import zlib

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2)]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_file(width, height, colour_type, channels, rows, interlaced):
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 1 if interlaced else 0)
    passes = ADAM7 if interlaced else [(0, 0, 1, 1)]
    raw = bytearray()
    for x0, y0, dx, dy in passes:
        for y in range(y0, height, dy):
            samples = [rows[y][x] for x in range(x0, width, dx)]
            if samples:
                raw.append(0)
                raw.extend(value for pixel in samples for value in pixel[:channels])
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def clamp(value):
    return max(0, min(255, int(round(value))))


def coverage(distance_inside):
    """Soft edge: full inside, none outside, a ramp of 1.5 pixels across the border."""
    return max(0.0, min(1.0, distance_inside / 1.5 + 0.5))


def emblem_pixel(x, y):
    cx, cy = 30.0, 30.0
    px, py = x + 0.5 - cx, y + 0.5 - cy
    radius = math.hypot(px, py)
    ring = min(radius - 13.0, 24.0 - radius)
    # The tail: a thick segment from the ring's lower right towards the corner.
    t = max(0.0, min(1.0, ((px - 14) + (py - 14)) / 2 / 14.0))
    tail = 5.0 - math.hypot(px - (14 + 14 * t), py - (14 + 14 * t))
    alpha = coverage(max(ring, tail))
    shade = (x + y) / 126.0
    colour = (30 + 20 * shade, 80 + 110 * shade, 200 - 40 * shade)
    return tuple(clamp(c) for c in colour) + (clamp(255 * alpha),)


def landscape_pixel(x, y):
    sky = (90 + y * 0.9, 150 + y * 0.6, 235)
    sun = coverage(14.0 - math.hypot(x - 118, y - 30))
    colour = [s + (255 - s) * sun * (1 if i < 2 else 0.3) for i, s in enumerate(sky)]
    far = 70 + 12 * math.sin(x / 17.0) + 6 * math.sin(x / 7.0)
    near = 92 + 10 * math.sin(x / 23.0 + 2.0)
    if y >= near:
        colour = (40 + (y - near) * 0.8, 120 + 0.4 * x % 20, 40)
    elif y >= far:
        colour = (70, 140 - (y - far) * 0.6, 90)
    return tuple(clamp(c) for c in colour)


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    folder = root / "data" / "images" / "demo"
    folder.mkdir(parents=True, exist_ok=True)
    emblem = [[emblem_pixel(x, y) for x in range(64)] for y in range(64)]
    (folder / "emblem.png").write_bytes(png_file(64, 64, 6, 4, emblem, False))
    landscape = [[landscape_pixel(x, y) for x in range(160)] for y in range(120)]
    (folder / "landscape.png").write_bytes(png_file(160, 120, 2, 3, landscape, True))


if __name__ == "__main__":
    main()
