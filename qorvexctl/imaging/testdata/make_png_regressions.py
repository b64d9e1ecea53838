#!/usr/bin/env python3
"""Writes the PNG regression inputs of this folder, each named for what is wrong with it.

Run from this folder: python3 make_png_regressions.py
"""
import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data, crc=None):
    if crc is None:
        crc = zlib.crc32(kind + data)
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


def header(width, height, depth=8, colour=0, interlace=0):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace))


def grey_rows(width, height, filter_type=0):
    return b"".join(bytes([filter_type]) + bytes(range(width)) for _ in range(height))


def image(width=4, height=4, rows=None):
    rows = grey_rows(width, height) if rows is None else rows
    return header(width, height) + chunk(b"IDAT", zlib.compress(rows, 9))


END = chunk(b"IEND", b"")
TEXT = chunk(b"tEXt", b"Comment\x00padding so the file is long enough")

FILES = {
    "zero_width.png": header(0, 4) + chunk(b"IDAT", zlib.compress(b"\0" * 4)) + TEXT + END,
    "negative_chunk_length.png": image() + struct.pack(">I", 0xFFFFFFF4) + b"tEXt" + b"\0" * 40,
    "image_data_crc_wrong.png": header(4, 4) + chunk(b"IDAT", zlib.compress(grey_rows(4, 4)), 1)
    + TEXT + END,
    "huge_size_tiny_data.png": header(20000, 20000, 8, 6) + chunk(b"IDAT", zlib.compress(b"\0" * 64))
    + END,
    "missing_iend.png": image() + TEXT,
    "zlib_stream_truncated.png": header(4, 4) + chunk(b"IDAT", zlib.compress(grey_rows(4, 4))[:-6])
    + TEXT + END,
    "too_much_image_data.png": image(rows=grey_rows(4, 8)) + TEXT + END,
    "bad_filter_type.png": image(rows=grey_rows(4, 4, filter_type=7)) + TEXT + END,
    "image_data_first.png": chunk(b"IDAT", zlib.compress(grey_rows(4, 4))) + header(4, 4) + TEXT
    + END,
    "image_data_short_of_rows.png": image(rows=grey_rows(4, 2)) + TEXT + END,
    "unknown_critical_chunk.png": image() + chunk(b"QRVX", b"\1\2\3") + TEXT + END,
    "palette_index_beyond_palette.png": header(4, 1, 8, 3) + chunk(b"PLTE", b"\xff\0\0")
    + chunk(b"IDAT", zlib.compress(b"\0\0\1\2\3")) + TEXT + END,
}

for name, body in FILES.items():
    with open(name, "wb") as out:
        out.write(SIGNATURE + body)
