#!/usr/bin/env python3
"""Draws the animated GIF the demo form plays, from formulas alone.

data/images/demo/coin_spin.gif: a 72 x 72 gold coin with a ring of twelve blue stars turning
about its upright axis in 16 frames of 60 ms, over a shadow that narrows and widens with it.
The background is transparent (index 0) and every frame is cleared before the next one
(disposal 2), so the control's background shows round the coin. It loops endlessly.

The LZW encoder is written out here, so the output depends on nothing but this script and
the standard library.

Usage: make_demo_gif.py [output_root]   (default: the repository root)
"""

import math
import pathlib
import struct
import sys

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
SIZE = 72
FRAMES = 16
DELAY_HUNDREDTHS = 6
CENTRE_X, CENTRE_Y, RADIUS = 36, 32, 27

PALETTE = [
    (255, 0, 255),  # 0: transparent
    (112, 78, 8), (150, 108, 18), (190, 142, 28), (222, 178, 56), (244, 208, 104),
    (255, 236, 170),  # 1..6: gold from shade to highlight
    (84, 56, 6),  # 7: rim
    (28, 58, 156),  # 8: stars
    (70, 70, 78),  # 9: shadow
    (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 0, 0),
]


def lzw(indices, min_code_size):
    """The GIF LZW code stream of `indices`, packed least significant bit first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, buffer, bits = bytearray(), 0, 0

    def put(code, width):
        nonlocal buffer, bits
        buffer |= code << bits
        bits += width
        while bits >= 8:
            out.append(buffer & 0xFF)
            buffer >>= 8
            bits -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh()
    put(clear, width)
    word = b""
    for index in indices:
        candidate = word + bytes([index])
        if candidate in table:
            word = candidate
            continue
        put(table[word], width)
        table[candidate] = next_code
        next_code += 1
        # The decoder adds its entries one code later, so it widens one code later too.
        if next_code == (1 << width) + 1 and width < 12:
            width += 1
        if next_code >= 4000:  # start over well before the dictionary is full
            put(clear, width)
            table, next_code, width = fresh()
        word = bytes([index])
    put(table[word], width)
    put(end, width)
    if bits:
        out.append(buffer & 0xFF)
    return bytes(out)


def sub_blocks(data):
    blocks = bytearray()
    for at in range(0, len(data), 255):
        piece = data[at:at + 255]
        blocks += bytes([len(piece)]) + piece
    return bytes(blocks + b"\0")


def coin_pixel(x, y, angle):
    """The palette index of pixel (x, y) when the coin has turned by `angle`."""
    facing = math.cos(angle)
    half_width = max(abs(facing) * RADIUS, 2.5)
    dx, dy = (x + 0.5 - CENTRE_X) / half_width, (y + 0.5 - CENTRE_Y) / RADIUS
    reach = dx * dx + dy * dy
    if reach > 1.0:
        shadow_dx = (x + 0.5 - CENTRE_X) / (half_width + 6)
        shadow_dy = (y + 0.5 - (CENTRE_Y + RADIUS + 7)) / 3.5
        return 9 if shadow_dx * shadow_dx + shadow_dy * shadow_dy <= 1.0 else 0
    if reach > 0.80 or half_width < 4:
        return 7
    if facing > 0:
        for star in range(12):
            phi = 2 * math.pi * star / 12
            sx = CENTRE_X + 0.62 * RADIUS * math.sin(phi) * facing
            sy = CENTRE_Y - 0.62 * RADIUS * math.cos(phi)
            if ((x + 0.5 - sx) / max(2.4 * facing, 0.8)) ** 2 + ((y + 0.5 - sy) / 2.4) ** 2 <= 1:
                return 8
    # Light from the upper left; the back of the coin is a shade darker.
    light = 0.5 - 0.35 * dx - 0.35 * dy + (0.0 if facing > 0 else -0.2)
    return 1 + max(0, min(5, int(light * 6)))


def frame_indices(k):
    angle = 2 * math.pi * k / FRAMES
    return [coin_pixel(x, y, angle) for y in range(SIZE) for x in range(SIZE)]


def gif_file():
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", SIZE, SIZE, 0xF3, 0, 0)  # global table of 16 entries
    for colour in PALETTE:
        data += bytes(colour)
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\0"  # endless
    for k in range(FRAMES):
        data += b"\x21\xF9\x04" + bytes([2 << 2 | 1]) + struct.pack("<H", DELAY_HUNDREDTHS)
        data += b"\0\0"  # transparent index 0, block terminator
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        data += bytes([4]) + sub_blocks(lzw(frame_indices(k), 4))
    return bytes(data + b"\x3B")


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    target = root / "data" / "images" / "demo" / "coin_spin.gif"
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(gif_file())
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
