#!/usr/bin/env python3
"""Draws the option pictures of the disability-type selector from formulas alone.

resources/tipdef.bmp is a 24-bit strip of nine 32 x 32 cells, in this order:
TIP_A, TIP_B, TIP_C (disabled looks), TIP_A0, TIP_A1, TIP_B0, TIP_B1, TIP_C0, TIP_C1
(not selected, selected). A is a standing person (not disabled), B a person in a wheelchair
(disabled), C the wheelchair under a star (disabled member of the armed forces). The library
cuts the strip into the named pictures (controls/helpers/OptionPictures.cpp).

Only the standard library is used, so the output depends on nothing but this script.

Usage: make_option_pictures.py [output_root]   (default: the repository root)
"""

import math
import pathlib
import struct
import sys

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
CELL = 32
SAMPLES = 4  # per axis, for smooth edges

# (background, frame, symbol) per look, as (r, g, b).
LOOKS = {
    "disabled": ((236, 236, 236), (190, 190, 190), (170, 170, 170)),
    "off": ((250, 250, 252), (150, 165, 190), (90, 110, 150)),
    "on": ((40, 100, 190), (20, 60, 130), (255, 255, 255)),
}


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy or 1)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= width / 2


def stroke(points, width):
    pairs = list(zip(points, points[1:]))
    return lambda x, y: any(segment_distance(x, y, *a, *b) <= width / 2 for a, b in pairs)


def star(cx, cy, outer, inner):
    corners = []
    for k in range(10):
        r = outer if k % 2 == 0 else inner
        a = -math.pi / 2 + k * math.pi / 5
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))

    def inside(x, y):
        crossings = False
        for (x1, y1), (x2, y2) in zip(corners, corners[1:] + corners[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                crossings = not crossings
        return crossings

    return inside


def standing_person():
    return [disc(16, 7, 3.2), stroke([(16, 11), (16, 20)], 3.4),
            stroke([(10, 15), (16, 12), (22, 15)], 2.4),
            stroke([(16, 20), (12, 28)], 2.6), stroke([(16, 20), (20, 28)], 2.6)]


def wheelchair(top):
    return [disc(13, top + 3, 2.8), stroke([(13, top + 7), (13, top + 14), (20, top + 14),
                                            (23, top + 20)], 2.6),
            stroke([(13, top + 10), (19, top + 10)], 2.0), ring(13, top + 17, 5.5, 1.8)]


SYMBOLS = {
    "A": standing_person(),
    "B": wheelchair(5),
    "C": wheelchair(8) + [star(24, 7, 5.5, 2.3)],
}


def rounded_square(x, y, inset, radius):
    lo, hi = inset + radius, CELL - inset - radius
    qx, qy = max(lo - x, 0, x - hi), max(lo - y, 0, y - hi)
    return math.hypot(qx, qy) - radius  # below 0: inside


def cell_pixel(symbol, look, x, y):
    background, frame, ink = LOOKS[look]
    total = [0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            px, py = x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES
            edge = rounded_square(px, py, 1, 5)
            if edge > 0:
                colour = (255, 255, 255)
            elif edge > -1.2:
                colour = frame
            elif any(shape(px, py) for shape in SYMBOLS[symbol]):
                colour = ink
            else:
                colour = background
            for i in range(3):
                total[i] += colour[i]
    return tuple(round(c / SAMPLES ** 2) for c in total)


def cells():
    yield from (("TIP_" + s, s, "disabled") for s in "ABC")
    for s in "ABC":
        yield "TIP_" + s + "0", s, "off"
        yield "TIP_" + s + "1", s, "on"


def bmp(width, height, pixel):
    row_size = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(height)):
        row = b"".join(struct.pack("<BBB", *reversed(pixel(x, y))) for x in range(width))
        rows += row + b"\0" * (row_size - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(rows), 0, 0, 54) + header + rows


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    layout = list(cells())
    pictures = [[[cell_pixel(s, look, x, y) for x in range(CELL)] for y in range(CELL)]
                for _, s, look in layout]
    data = bmp(CELL * len(layout), CELL, lambda x, y: pictures[x // CELL][y][x % CELL])
    out = root / "resources" / "tipdef.bmp"
    out.write_bytes(data)
    print(out, ", ".join(name for name, _, _ in layout))


if __name__ == "__main__":
    main()
