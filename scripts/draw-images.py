#!/usr/bin/env python3
"""Draws the tool-bar strip (128 x 30, four 32 x 30 images) and the
application icon (32 x 32) in the 16 standard colours and writes them as
XPM files into src/res/, and the same icon drawn at the desktop's sizes as
PNG files into dist/linux/icons/. Run it again after changing a drawing;
the output is committed."""
import math
import pathlib
import struct
import zlib

PALETTE = {
    'k': '#000000', 'm': '#800000', 'g': '#008000', 'o': '#808000',
    'n': '#000080', 'p': '#800080', 't': '#008080', 's': '#C0C0C0',
    'd': '#808080', 'r': '#FF0000', 'l': '#00FF00', 'y': '#FFFF00',
    'b': '#0000FF', 'f': '#FF00FF', 'a': '#00FFFF', 'w': '#FFFFFF',
}


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.cells = [[background] * width for _ in range(height)]

    def dot(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.cells[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def polygon(self, points, fill, edge=None):
        ys = [p[1] for p in points]
        for y in range(min(ys), max(ys) + 1):
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if ya == yb:
                    continue
                if min(ya, yb) <= y + 0.5 < max(ya, yb):
                    xs.append(xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for left, right in zip(xs[::2], xs[1::2]):
                for x in range(round(left), round(right)):
                    self.dot(x, y, fill)
        if edge:
            for a, b in zip(points, points[1:] + points[:1]):
                self.line(a, b, edge)

    def line(self, a, b, c):
        steps = max(abs(b[0] - a[0]), abs(b[1] - a[1]), 1)
        for i in range(steps + 1):
            self.dot(round(a[0] + (b[0] - a[0]) * i / steps),
                     round(a[1] + (b[1] - a[1]) * i / steps), c)

    def disc(self, cx, cy, r, fill, edge=None):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r:
                    self.dot(x, y, edge if edge and d > r - 1.2 else fill)

    def blit(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                self.dot(ox + x, oy + y, other.cells[y][x])


def select_file():
    c = Canvas(32, 30, 's')
    c.polygon([(4, 8), (11, 8), (13, 10), (24, 10), (24, 25), (4, 25)], 'o', 'k')
    c.polygon([(14, 3), (24, 3), (27, 6), (27, 20), (14, 20)], 'w', 'k')
    for y in (8, 11, 14, 17):
        c.line((16, y), (25, y), 'n')
    c.polygon([(7, 14), (28, 14), (25, 25), (4, 25)], 'y', 'k')
    return c


def arrow(pointing_right):
    c = Canvas(32, 30, 's')
    shape = [(4, 15), (15, 5), (15, 11), (27, 11), (27, 19), (15, 19), (15, 25)]
    if pointing_right:
        shape = [(31 - x, y) for x, y in shape]
    c.polygon(shape, 'b', 'n')
    return c


def about():
    c = Canvas(32, 30, 's')
    c.disc(16, 15, 12, 'w', 'n')
    c.rect(14, 7, 17, 10, 'b')
    c.rect(14, 12, 17, 22, 'b')
    c.rect(12, 12, 13, 13, 'b')
    c.rect(12, 21, 19, 22, 'b')
    return c


def icon(size=32):
    """The ball of the about box. At 32 pixels it is the about box's icon
    itself; other sizes scale every measure and widen the seams."""
    k = size / 32
    seam = max(1, round(k))
    c = Canvas(size, size, ' ')
    c.disc(16 * k, 16 * k, 14.5 * k, 'r', 'k')
    if size != 32:
        # the outline grows with the ball
        for y in range(size):
            for x in range(size):
                d = math.hypot(x + 0.5 - 16 * k, y + 0.5 - 16 * k)
                if 14.5 * k - 1.2 * k < d <= 14.5 * k:
                    c.dot(x, y, 'k')
    middle = round(16 * k)
    for w in range(seam):
        at = middle - seam // 2 + w
        c.line((round(2 * k), at), (round(30 * k), at), 'k')
        c.line((at, round(2 * k)), (at, round(30 * k)), 'k')
    for x in range(size):
        for y in range(size):
            r = math.hypot(x + 0.5 - 16 * k, y + 0.5 - 16 * k)
            bend = abs(math.hypot(x + 0.5 - 2 * k, y + 0.5 - 16 * k) - 10.5 * k) < 0.6 * k or \
                abs(math.hypot(x + 0.5 - 30 * k, y + 0.5 - 16 * k) - 10.5 * k) < 0.6 * k
            if bend and r < 14 * k:
                c.dot(x, y, 'k')
    return c


ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def png(canvas):
    """The canvas as an RGBA PNG; ' ' is transparent."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))
    rows = b''
    for row in canvas.cells:
        rows += b'\0'
        for cell in row:
            colour = PALETTE.get(cell)
            rows += bytes.fromhex(colour[1:]) + b'\xff' if colour else b'\0\0\0\0'
    header = struct.pack('>IIBBBBB', canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


def xpm(name, canvas):
    used = sorted({cell for row in canvas.cells for cell in row})
    lines = [f'/* XPM */', f'static const char* const {name}[] = {{',
             f'"{canvas.width} {canvas.height} {len(used)} 1",']
    for key in used:
        lines.append(f'"{key} c {PALETTE.get(key, "None")}",')
    lines += [f'"{"".join(row)}",' for row in canvas.cells]
    lines[-1] = lines[-1].rstrip(',')
    lines.append('};')
    return '\n'.join(lines) + '\n'


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / 'src' / 'res'
    strip = Canvas(128, 30, 's')
    for i, image in enumerate([select_file(), arrow(False), arrow(True), about()]):
        strip.blit(image, 32 * i, 0)
    (out / 'toolbar128.xpm').write_text(xpm('toolbar128', strip))
    (out / 'icon128.xpm').write_text(xpm('icon128', icon()))
    icons = out.parent.parent / 'dist' / 'linux' / 'icons'
    icons.mkdir(parents=True, exist_ok=True)
    for size in ICON_SIZES:
        (icons / f'korvale-{size}.png').write_bytes(png(icon(size)))


if __name__ == '__main__':
    main()
