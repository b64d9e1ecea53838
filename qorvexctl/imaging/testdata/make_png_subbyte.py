#!/usr/bin/env python3
"""Writes PNG files whose RGB, grey+alpha or RGBA samples have 1, 2 or 4 bits, plain and
Adam7, into subbyte/, each with the 32-bit premultiplied blue-green-red-alpha pixels it must
decode to (name.bgra, top-down rows, no padding).

Run from this folder: python3 make_png_subbyte.py
"""
import os
import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
WIDTH, HEIGHT = 11, 7
CHANNELS = {2: 3, 4: 2, 6: 4}
NAMES = {2: "rgb", 4: "greyalpha", 6: "rgba"}
# Adam7: row start, column start, row increment, column increment.
ADAM7 = [(0, 0, 8, 8), (0, 4, 8, 8), (4, 0, 8, 4), (0, 2, 4, 4), (2, 0, 4, 2), (0, 1, 2, 2),
         (1, 0, 2, 1)]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def samples(x, y, channels, depth):
    """Every value of the depth turns up in every channel across the image."""
    top = (1 << depth) - 1
    return [(x + 2 * y + 3 * c) % (top + 1) for c in range(channels)]


def pack(values, depth):
    bits = "".join(format(v, "0%db" % depth) for v in values)
    bits += "0" * (-len(bits) % 8)
    return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))


def scanline(xs, y, channels, depth):
    values = [v for x in xs for v in samples(x, y, channels, depth)]
    return b"\0" + pack(values, depth)


def image_data(channels, depth, interlaced):
    if not interlaced:
        return b"".join(scanline(range(WIDTH), y, channels, depth) for y in range(HEIGHT))
    data = b""
    for row0, col0, row_step, col_step in ADAM7:
        xs = range(col0, WIDTH, col_step)
        if len(xs) == 0:
            continue
        data += b"".join(scanline(xs, y, channels, depth) for y in range(row0, HEIGHT, row_step))
    return data


def widened(value, depth):
    return value * 255 // ((1 << depth) - 1)


def expected_pixel(x, y, colour, depth, key):
    s = samples(x, y, CHANNELS[colour], depth)
    if key is not None and s == key:
        return bytes(4)
    red, green, blue = (s[0], s[0], s[0]) if colour == 4 else s[:3]
    alpha = widened(s[-1], depth) if colour in (4, 6) else 255
    rgb = [widened(v, depth) for v in (blue, green, red)]
    if alpha != 255:
        rgb = [v * alpha // 255 for v in rgb]
    return bytes(rgb + [alpha])


def write(name, colour, depth, interlaced, key=None):
    ihdr = struct.pack(">IIBBBBB", WIDTH, HEIGHT, depth, colour, 0, 0, 1 if interlaced else 0)
    body = chunk(b"IHDR", ihdr)
    if key is not None:
        body += chunk(b"tRNS", b"".join(struct.pack(">H", v) for v in key))
    body += chunk(b"IDAT", zlib.compress(image_data(CHANNELS[colour], depth, interlaced), 9))
    body += chunk(b"IEND", b"")
    with open(os.path.join("subbyte", name + ".png"), "wb") as out:
        out.write(SIGNATURE + body)
    pixels = b"".join(expected_pixel(x, y, colour, depth, key)
                      for y in range(HEIGHT) for x in range(WIDTH))
    with open(os.path.join("subbyte", name + ".bgra"), "wb") as out:
        out.write(pixels)


os.makedirs("subbyte", exist_ok=True)
for colour in CHANNELS:
    for depth in (1, 2, 4):
        for interlaced in (False, True):
            write("%s%d%s" % (NAMES[colour], depth, "_adam7" if interlaced else ""), colour, depth,
                  interlaced)
write("rgb2_trns", 2, 2, False, key=samples(3, 1, 3, 2))
write("rgb4_trns_adam7", 2, 4, True, key=samples(5, 2, 3, 4))
