#!/usr/bin/env python3
"""Writes an XPM image as a Windows icon: one 32-bit image with its AND mask.

Usage: xpm-to-ico.py IMAGE.xpm OUT.ico

The colour "None" is transparent; every other colour is opaque.
"""
import re
import struct
import sys


def read_xpm(path):
    with open(path, encoding="ascii") as f:
        rows = re.findall(r'"([^"]*)"', f.read())
    width, height, colours, chars = (int(v) for v in rows[0].split()[:4])
    table = {}
    for row in rows[1:1 + colours]:
        key, rest = row[:chars], row[chars:].split()
        value = rest[rest.index("c") + 1]
        table[key] = None if value.lower() == "none" else int(value.lstrip("#"), 16)
    pixels = []
    for row in rows[1 + colours:1 + colours + height]:
        pixels.append([table[row[x * chars:(x + 1) * chars]] for x in range(width)])
    return width, height, pixels


def icon(width, height, pixels):
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(pixels):  # bottom-up
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p is None:
                colour += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                colour += struct.pack("<BBBB", p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF, 0xFF)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image),
                        6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "wb") as out:
        out.write(icon(*read_xpm(sys.argv[1])))


if __name__ == "__main__":
    main()
