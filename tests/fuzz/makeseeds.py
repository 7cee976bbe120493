#!/usr/bin/env python3
"""Writes the hand-made seed pictures of corpus/bmp (one tiny picture of each kind the
loader reads), the PNG seeds of corpus/png and the byte seeds of corpus/engine and
corpus/variant. The files are
checked in; run this only to change them."""
import os
import random
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 7, 5


def bmp(bits, pixels, palette=(), compression=0, height=HEIGHT, header=40, masks=()):
    if header == 12:
        info = struct.pack("<IHHHH", 12, WIDTH, height & 0xFFFF, 1, bits)
        table = b"".join(struct.pack("<BBB", c & 0xFF, c >> 8 & 0xFF, c >> 16) for c in palette)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, WIDTH, height, 1, bits, compression,
                           len(pixels), 2835, 2835, len(palette), 0)
        table = b"".join(struct.pack("<I", m) for m in masks)
        table += b"".join(struct.pack("<I", c) for c in palette)
    offset = 14 + len(info) + len(table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def rows(bits, value):
    stride = (WIDTH * bits + 31) // 32 * 4
    out = b""
    for y in range(HEIGHT):
        line = 0
        for x in range(WIDTH):
            line = (line << bits) | (value(x, y) & ((1 << bits) - 1))
        total = WIDTH * bits
        raw = (line << (stride * 8 - total)).to_bytes(stride, "big")
        out += raw
    return out


def direct(bytes_per_pixel, value):
    stride = (WIDTH * bytes_per_pixel + 3) // 4 * 4
    out = b""
    for y in range(HEIGHT):
        line = b"".join(value(x, y).to_bytes(bytes_per_pixel, "little") for x in range(WIDTH))
        out += line + b"\0" * (stride - len(line))
    return out


GREYS = [0x000000, 0xFFFFFF, 0x808080, 0xC00000, 0x00C000, 0x0000C0, 0xC0C000, 0x00C0C0]
RLE8 = bytes([3, 1, 0, 4, 2, 3, 4, 5, 0, 0,       # run, literal of four, end of line
              0, 2, 2, 1, 2, 6, 0, 0,               # delta, run, end of line
              7, 7, 0, 1])                          # run, end of picture
RLE4 = bytes([3, 0x12, 0, 4, 0x34, 0x56, 0, 0,
              0, 2, 1, 1, 4, 0x77, 0, 0,
              0, 1])

SEEDS = {
    "1bit.bmp": bmp(1, rows(1, lambda x, y: x + y), GREYS[:2]),
    "4bit.bmp": bmp(4, rows(4, lambda x, y: x * y), GREYS),
    "8bit.bmp": bmp(8, rows(8, lambda x, y: x + 2 * y), GREYS),
    "16bit.bmp": bmp(16, direct(2, lambda x, y: x << 10 | y << 5 | x + y)),
    "16bit565.bmp": bmp(16, direct(2, lambda x, y: x << 11 | y << 5 | x), (), 3,
                        masks=(0xF800, 0x07E0, 0x001F)),
    "24bit.bmp": bmp(24, direct(3, lambda x, y: x * 0x20 | y * 0x2000 | 0x400000)),
    "32bit.bmp": bmp(32, direct(4, lambda x, y: x * 0x20 | y * 0x2000 | 0x400000)),
    "topdown24.bmp": bmp(24, direct(3, lambda x, y: x * 0x202020), height=-HEIGHT),
    "core1bit.bmp": bmp(1, rows(1, lambda x, y: x * y), GREYS[:2], header=12),
    "rle8.bmp": bmp(8, RLE8, GREYS, 1),
    "rle4.bmp": bmp(4, RLE4, GREYS, 2),
    "rle8endonly.bmp": bmp(8, bytes([0, 1]), GREYS, 1),
}


def png(width, height, row_filter=0):
    """An 8-bit RGB PNG whose rows all carry `row_filter` (0: the plain kind)."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    rows = b"".join(bytes([row_filter]) + bytes((x * 40 + y * 7) & 255 for x in range(width * 3))
                    for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write(folder, name, data):
    path = os.path.join(HERE, "corpus", folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), "wb") as f:
        f.write(data)


def main():
    for name, data in SEEDS.items():
        write("bmp", name, data)
    write("png", "plain-3x2", png(3, 2))
    write("png", "plain-17x5", png(17, 5))
    write("png", "filtered-4x4", png(4, 4, row_filter=1))
    generator = random.Random(7)
    for i in range(4):
        write("engine", "calls%d" % i, bytes(generator.randrange(256) for _ in range(200)))
        write("variant", "value%d" % i, bytes(generator.randrange(256) for _ in range(24)))


if __name__ == "__main__":
    main()
