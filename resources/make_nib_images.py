#!/usr/bin/env python3
"""Draws the two 16 x 16 indicator pictures of the NIB field, embedded in the library.

- resources/nib_valid.png: a green disc with a white tick, shown beside a correct number.
- resources/nib_invalid.png: a red disc with a white cross, shown beside a wrong one (a click
  on it explains why).

Both are RGBA pictures with soft edges on a transparent square, drawn from distances to the
disc's rim and to the strokes of the mark. Only the standard library is used (the PNG writer
and the soft edge are the demo pictures' own), so the output depends on nothing but this script.

Usage: make_nib_images.py [output_root]   (default: the repository root)
"""

import math
import pathlib
import sys

from make_demo_pngs import clamp, coverage, png_file

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
SIZE = 16
CENTRE = SIZE / 2.0
RADIUS = 7.3
STROKE = 1.1  # half the width of the mark's strokes
WHITE = (255, 255, 255)
GREEN = (24, 150, 62)
DARK_GREEN = (10, 98, 36)
RED = (206, 34, 34)
DARK_RED = (140, 16, 16)
TICK = [(4.4, 8.4), (7.0, 11.0), (11.8, 5.2)]
CROSS = [[(5.2, 5.2), (10.8, 10.8)], [(10.8, 5.2), (5.2, 10.8)]]


def segment_distance(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def polyline_distance(p, points):
    return min(segment_distance(p, a, b) for a, b in zip(points, points[1:]))


def mix(under, over, amount):
    return tuple(u + (o - u) * amount for u, o in zip(under, over))


def indicator_pixel(x, y, fill, rim, strokes):
    p = (x + 0.5, y + 0.5)
    from_centre = math.hypot(p[0] - CENTRE, p[1] - CENTRE)
    alpha = coverage(RADIUS - from_centre)
    # A darker rim one pixel wide, then the fill lit a little towards the upper left.
    light = max(0.0, 1.0 - math.hypot(p[0] - 5.5, p[1] - 5.0) / 9.0) * 0.35
    colour = mix(mix(fill, WHITE, light), rim, coverage(from_centre - (RADIUS - 1.2)))
    mark = max(coverage(STROKE - polyline_distance(p, stroke)) for stroke in strokes)
    colour = mix(colour, WHITE, mark)
    return tuple(clamp(c) for c in colour) + (clamp(255 * alpha),)


def picture(fill, rim, strokes):
    rows = [[indicator_pixel(x, y, fill, rim, strokes) for x in range(SIZE)] for y in range(SIZE)]
    return png_file(SIZE, SIZE, 6, 4, rows, False)


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    folder = root / "resources"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "nib_valid.png").write_bytes(picture(GREEN, DARK_GREEN, [TICK]))
    (folder / "nib_invalid.png").write_bytes(picture(RED, DARK_RED, CROSS))


if __name__ == "__main__":
    main()
