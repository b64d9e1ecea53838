#!/usr/bin/env python3
"""Draws the country flags the library and its data folder ship.

- resources/countries.bmp: the "COUNTRIES" flag strip embedded in the library, 32 x 8 cells of
  16 x 16 pixels in the order of CountryFlagCodes (read from qorvexctl/frame/CountryTables.cpp),
  each flag centred on a white cell; a 24-bit bottom-up BMP.
- data/images/flags_iso/16/XX.png: one 16 x 16 RGBA picture per code of data/iso3166.txt, the
  flag centred on a transparent square.

A code without a flag gets a plain neutral placeholder (a grey 16 x 11 plate with a darker rim).
Source: Debian's famfamfam-flag-png package (public domain flags of 16 x 11 pixels).
Only the standard library is used, so the output depends on nothing but the inputs.

Usage: make_flags.py [output_root]   (default: the repository root)
"""

import pathlib
import re
import struct
import sys
import zlib

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
FLAG_FOLDER = pathlib.Path("/usr/share/flags/countries/16x11")
CELL = 16
COLUMNS, ROWS = 32, 8
WHITE = (255, 255, 255, 255)
TRANSPARENT = (0, 0, 0, 0)
PLATE_FILL = (212, 208, 200, 255)
PLATE_RIM = (128, 128, 128, 255)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


# --- PNG reading: 8-bit truecolour with or without alpha, not interlaced (all the flags). ---

def png_chunks(data):
    offset = len(PNG_SIGNATURE)
    while offset < len(data):
        length, kind = struct.unpack(">I4s", data[offset:offset + 8])
        yield kind, data[offset + 8:offset + 8 + length]
        offset += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter_row(kind, row, previous, bpp):
    out = bytearray(row)
    for i in range(len(out)):
        left = out[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        predictor = (0, left, up, (left + up) // 2, paeth(left, up, corner))[kind]
        out[i] = (out[i] + predictor) & 0xFF
    return out


def read_png(path):
    data = path.read_bytes()
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError(f"{path}: not a PNG file")
    chunks = list(png_chunks(data))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: unsupported PNG layout")
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride = width * bpp
    pixels, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        previous = unfilter_row(raw[start], raw[start + 1:start + 1 + stride], previous, bpp)
        row = [tuple(previous[x * bpp:x * bpp + bpp]) for x in range(width)]
        pixels.append([p if bpp == 4 else p + (255,) for p in row])
    return pixels


# --- Cells. ---

def placeholder_flag():
    width, height = 16, 11
    return [[PLATE_RIM if x in (0, width - 1) or y in (0, height - 1) else PLATE_FILL
             for x in range(width)] for y in range(height)]


def flag_pixels(code):
    path = FLAG_FOLDER / f"{code.lower()}.png"
    return read_png(path) if path.exists() else placeholder_flag()


def centred_cell(flag, background):
    cell = [[background] * CELL for _ in range(CELL)]
    top, left = (CELL - len(flag)) // 2, (CELL - len(flag[0])) // 2
    for y, row in enumerate(flag):
        for x, pixel in enumerate(row):
            cell[top + y][left + x] = pixel
    return cell


def over_white(pixel):
    r, g, b, a = pixel
    return tuple((c * a + 255 * (255 - a) + 127) // 255 for c in (r, g, b))


# --- Writers. ---

def bmp_bytes(image):
    height, width = len(image), len(image[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(image):
        line = b"".join(bytes(reversed(over_white(p))) for p in row)
        body += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + bytes(body)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png_bytes(image):
    height, width = len(image), len(image[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in image)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (PNG_SIGNATURE + png_chunk(b"IHDR", header) + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


# --- Inputs and outputs. ---

def strip_codes():
    source = (REPOSITORY / "qorvexctl/frame/CountryTables.cpp").read_text(encoding="utf-8")
    literal = re.search(r"CountryFlagCodes =\s*((?:\"[^\"]*\"\s*)+);", source).group(1)
    codes = "".join(re.findall(r"\"([^\"]*)\"", literal)).split(";")
    if len(codes) != 248:
        raise ValueError(f"CountryFlagCodes holds {len(codes)} codes, expected 248")
    return codes


def data_file_codes(root):
    text = (root / "data" / "iso3166.txt").read_bytes().decode("cp1252")
    return [line.split("\t")[1] for line in text.split("\r\n") if line.count("\t") >= 1]


def flag_strip(codes):
    strip = [[WHITE] * (CELL * COLUMNS) for _ in range(CELL * ROWS)]
    for k, code in enumerate(codes):
        cell = centred_cell(flag_pixels(code), WHITE)
        top, left = (k // COLUMNS) * CELL, (k % COLUMNS) * CELL
        for y, row in enumerate(cell):
            strip[top + y][left:left + CELL] = row
    return strip


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else REPOSITORY
    (root / "resources").mkdir(parents=True, exist_ok=True)
    (root / "resources" / "countries.bmp").write_bytes(bmp_bytes(flag_strip(strip_codes())))
    folder = root / "data" / "images" / "flags_iso" / "16"
    folder.mkdir(parents=True, exist_ok=True)
    for code in data_file_codes(root):
        (folder / f"{code}.png").write_bytes(png_bytes(centred_cell(flag_pixels(code), TRANSPARENT)))


if __name__ == "__main__":
    main()
