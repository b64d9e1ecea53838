#!/usr/bin/env python3
"""Draws the icon files of the project from formulas alone.

- data/images/demo/coin.ico: the demo's icon, a gold coin with a bar across, as a 16 x 16
  image with 16 colours and an AND mask and a 32 x 32 image with an alpha channel.
- fuzz/corpus/fuzz_ico/*.ico: small seeds for the icon fuzzer, one per kind of image the
  decoder reads (1, 4, 8, 24 and 32 bits per pixel, a PNG image, several sizes in one file).

Only the standard library is used, so the output depends on nothing but this script.

Usage: make_icons.py [output_root]   (default: the repository root)
"""

import math
import pathlib
import struct
import sys
import zlib

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def pack_bits(values, bits):
    out, byte, used = bytearray(), 0, 0
    for v in values:
        byte |= (v & ((1 << bits) - 1)) << (8 - bits - used)
        used += bits
        if used == 8:
            out.append(byte)
            byte, used = 0, 0
    if used:
        out.append(byte)
    return bytes(out)


def bitmap_image(size, bits, pixel, transparent, palette=()):
    """pixel(x, y): an index for indexed depths, else (r, g, b, a)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0, 0, 0)
    table = b""
    if bits <= 8:
        entries = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
        table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in entries)
    rows, mask = b"", b""
    for y in reversed(range(size)):
        if bits <= 8:
            rows += padded(pack_bits([pixel(x, y) for x in range(size)], bits))
        else:
            colours = [pixel(x, y) for x in range(size)]
            fmt = "<BBB" if bits == 24 else "<BBBB"
            rows += padded(b"".join(
                struct.pack(fmt, *((b, g, r) if bits == 24 else (b, g, r, a)))
                for r, g, b, a in colours))
        mask += padded(pack_bits([1 if transparent(x, y) else 0 for x in range(size)], 1))
    return header + table + rows + mask


def png_image(size, pixel):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + bytes(c for x in range(size) for c in pixel(x, y))
                   for y in range(size))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_file(images):
    """images: (size, bits, data) tuples."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        colours = (1 << bits) & 0xFF if bits <= 8 else 0
        out += struct.pack("<BBBBHHII", size & 0xFF, size & 0xFF, colours, 0, 1, bits,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def coin(size):
    """Straight-alpha RGBA of a gold coin with a darker rim and a bar across."""
    centre, radius = size / 2, size / 2 - 0.5

    def pixel(x, y):
        d = math.hypot(x + 0.5 - centre, y + 0.5 - centre)
        alpha = max(0.0, min(1.0, radius - d + 0.5))
        if alpha == 0:
            return (0, 0, 0, 0)
        rim = d > radius - size / 10
        bar = abs(y + 0.5 - centre) < size / 12 and abs(x + 0.5 - centre) < size / 4
        r, g, b = (150, 110, 20) if rim or bar else (240, 190, 40)
        return (r, g, b, round(255 * alpha))
    return pixel


def write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    print("wrote", path)


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    palette16 = [(0, 0, 0), (150, 110, 20), (240, 190, 40)]
    small = coin(16)

    def small_index(x, y):
        r, g, b, a = small(x, y)
        return 0 if a < 128 else 1 if r == 150 else 2
    demo = icon_file([
        (16, 4, bitmap_image(16, 4, small_index, lambda x, y: small(x, y)[3] < 128, palette16)),
        (32, 32, bitmap_image(32, 32, coin(32), lambda x, y: coin(32)(x, y)[3] == 0)),
    ])
    write(root / "data/images/demo/coin.ico", demo)

    seeds = root / "fuzz/corpus/fuzz_ico"
    checker = lambda x, y: (x + y) % 2
    corner = lambda x, y: x < 2 and y < 2
    grey = [(0, 0, 0), (255, 255, 255)]
    write(seeds / "mono.ico", icon_file([(8, 1, bitmap_image(8, 1, checker, corner, grey))]))
    write(seeds / "pal4.ico", icon_file([(8, 4, bitmap_image(8, 4, checker, corner, grey))]))
    write(seeds / "pal8.ico", icon_file([(4, 8, bitmap_image(4, 8, checker, corner, grey))]))
    write(seeds / "rgb24.ico", icon_file([(4, 24, bitmap_image(
        4, 24, lambda x, y: (x * 60, y * 60, 90, 0), corner))]))
    write(seeds / "argb32.ico", icon_file([(8, 32, bitmap_image(8, 32, coin(8), corner))]))
    write(seeds / "png.ico", icon_file([(8, 32, png_image(8, coin(8)))]))
    write(seeds / "sizes.ico", demo)


if __name__ == "__main__":
    main()
