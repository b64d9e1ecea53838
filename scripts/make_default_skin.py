#!/usr/bin/env python3
"""Draws the default skin of the skinned widgets, from formulas alone.

data/skins/default/ receives small GIF files, each one frame with a colour table of its own:

  gr-corner1-red.gif, gr-corner2-red.gif   the captioned panel's top corners (rounded, the
                                           outside transparent)
  gr-top-red.gif, gr-background-red.gif,   its top edge, body and bottom edge, tiled across
  gr-bottom-red.gif
  btn_go_normal.gif, btn_go_hover.gif,     the go-button's three looks: a rounded pill with an
  btn_go_click.gif                         arrow, lighter when hovered, darker and lower pressed
  topo_laranja.gif, topo_repeat.gif,       the framed box: an orange title band, the body with
  fundo_fundo.gif                          its side frame and the rounded bottom (outside the
                                           corners the key colour, magenta)
  submenu_left.gif, submenu_right.gif,     the menu entry's rounded ends (the inside is the
  submenu_arrow.gif                        key colour, magenta) and its arrow, on magenta

Usage: make_default_skin.py [output_root]   (default: the repository root)
"""

import pathlib
import struct
import sys

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(REPOSITORY / "resources"))
from make_demo_gif import lzw, sub_blocks  # noqa: E402  (the one LZW encoder of the project)

TRANSPARENT = (255, 0, 255)
KEY = (255, 0, 255)
WHITE = (255, 255, 255)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def gif_file(width, height, pixel, transparent=False):
    """One-frame GIF of `pixel(x, y)` -> (r, g, b); magenta is transparent when asked."""
    colours = [pixel(x, y) for y in range(height) for x in range(width)]
    palette = sorted(set(colours) | ({TRANSPARENT} if transparent else set()))
    if transparent:  # index 0 is the transparent one
        palette.remove(TRANSPARENT)
        palette.insert(0, TRANSPARENT)
    assert len(palette) <= 256, "too many colours"
    bits = max(2, (len(palette) - 1).bit_length())
    index = {colour: i for i, colour in enumerate(palette)}
    table = b"".join(bytes(c) for c in palette) + b"\0\0\0" * ((1 << bits) - len(palette))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | (bits - 1), 0, 0) + table
    if transparent:
        data += b"\x21\xF9\x04\x01\0\0\0\0"  # transparent index 0
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data += bytes([bits]) + sub_blocks(lzw([index[c] for c in colours], bits))
    return bytes(data + b"\x3B")


def inside_round(x, y, width, height, radius):
    """Whether pixel (x, y) lies inside a rectangle with rounded corners of `radius`."""
    cx = min(max(x + 0.5, radius), width - radius)
    cy = min(max(y + 0.5, radius), height - radius)
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius


# --- The captioned panel: a red header band fading down to a pale body.
RED_TOP, RED_LOW, RED_EDGE = (214, 58, 52), (160, 28, 30), (120, 18, 22)
BODY = (252, 240, 238)
HEADER = 28


def header_colour(y):
    if y == 0:
        return mix(RED_TOP, WHITE, 0.35)  # a highlight along the top
    if y == HEADER - 1:
        return RED_EDGE
    return mix(RED_TOP, RED_LOW, y / HEADER)


def corner(mirrored):
    def pixel(x, y):
        xx = 11 - x if mirrored else x
        if not inside_round(xx, y, 24, HEADER + 12, 9):
            return TRANSPARENT
        return header_colour(y)
    return gif_file(12, HEADER, pixel, transparent=True)


def body(x, y):
    return mix(BODY, WHITE, 0.6) if (x + y) % 8 == 0 else BODY


def bottom(x, y):
    return RED_EDGE if y >= 3 else mix(BODY, RED_LOW, y / 4)


# --- The go-button: a pill with a white arrow.
def go_button(top, low, press):
    def pixel(x, y):
        if not inside_round(x, y, 64, 24, 11):
            return TRANSPARENT
        shade = mix(top, low, (y - press) / 24 if y >= press else 0)
        ax, ay = x - 40, y - 12 - press // 2
        if abs(ay) <= 6 - max(ax, 0) and -14 <= ax <= 6 and (ax >= 0 or abs(ay) <= 2):
            return WHITE
        return shade
    return gif_file(64, 24, pixel, transparent=True)


# --- The framed box: an orange title band, a cream body and a rounded bottom.
ORANGE_TOP, ORANGE_LOW, FRAME, CREAM = (255, 170, 60), (226, 110, 20), (170, 90, 30), (255, 248, 236)


def box_top(x, y):
    if not inside_round(x, y, 32, 40, 8):
        return KEY
    if x == 0 or x == 31 or y == 0:
        return FRAME
    return mix(ORANGE_TOP, ORANGE_LOW, y / 24)


def box_back(x, y):
    return FRAME if x == 0 or x == 31 else CREAM


def box_bottom(x, y):
    if not inside_round(x, y + 16, 32, 32, 8):
        return KEY
    return FRAME if x == 0 or x == 31 or y == 15 else CREAM


# --- The menu entry's ends and arrow, on the key colour.
def menu_end(mirrored):
    def pixel(x, y):
        xx = 7 - x if mirrored else x
        return KEY if inside_round(xx, y, 16, 26, 7) else WHITE
    return gif_file(8, 26, pixel)


def menu_arrow(x, y):
    return WHITE if abs(y - 5) <= x // 2 and x <= 10 else KEY


def skin_files():
    return {
        "gr-corner1-red.gif": corner(False),
        "gr-corner2-red.gif": corner(True),
        "gr-top-red.gif": gif_file(8, HEADER, lambda x, y: header_colour(y)),
        "gr-background-red.gif": gif_file(8, 8, body),
        "gr-bottom-red.gif": gif_file(8, 6, bottom),
        "btn_go_normal.gif": go_button((66, 133, 214), (28, 84, 164), 0),
        "btn_go_hover.gif": go_button((110, 170, 240), (50, 112, 196), 0),
        "btn_go_click.gif": go_button((24, 70, 140), (40, 100, 180), 2),
        "topo_laranja.gif": gif_file(32, 24, box_top),
        "topo_repeat.gif": gif_file(32, 8, box_back),
        "fundo_fundo.gif": gif_file(32, 16, box_bottom),
        "submenu_left.gif": menu_end(False),
        "submenu_right.gif": menu_end(True),
        "submenu_arrow.gif": gif_file(11, 11, lambda x, y: menu_arrow(10 - x, y)),
    }


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    folder = root / "data" / "skins" / "default"
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in skin_files().items():
        (folder / name).write_bytes(data)
        print(f"wrote {folder / name}")


if __name__ == "__main__":
    main()
