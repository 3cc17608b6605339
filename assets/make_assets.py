#!/usr/bin/env python3
"""Draws Selvoria's part bitmaps, connecting-line bars and drag cursors.

Run in this directory:  python3 make_assets.py
Uses only the standard library; the output is byte-for-byte reproducible.
"""
import math
import struct
import zlib

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (212, 212, 212)
# "Drag" variants: the part being moved is drawn blue on light yellow.
DRAG_INK = (0, 0, 208)
DRAG_PAPER = (255, 255, 200)
DRAG_FILL = (200, 208, 255)

VISIBLE_W = 74  # every part's picture box is 74 px wide; its edges are the terminals


class Canvas:
    def __init__(self, w, h, paper):
        self.w, self.h = w, h
        self.px = [[paper] * w for _ in range(h)]

    def dot(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def hline(self, x0, x1, y, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(y0, y1 + 1):
            self.dot(x, y, c)

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            self.hline(x0, x1, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def line(self, x0, y0, x1, y1, c):
        """Bresenham line between integer points."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, c)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polyline(self, pts, c):
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            self.line(x0, y0, x1, y1, c)

    def upper_arc(self, cx, cy, rx, ry, c):
        """Upper half of an ellipse, endpoints on the line y = cy."""
        steps = int(8 * (rx + ry))
        for i in range(steps + 1):
            a = math.pi * i / steps
            self.dot(cx - rx * math.cos(a), cy - ry * math.sin(a), c)


# ---------------------------------------------------------------- parts

def resistor(ink, paper, fill):
    c = Canvas(79, 37, paper)
    y = 24
    c.hline(0, c.w - 1, y, ink)
    zig = [(21, y), (24, y - 6), (29, y + 6), (34, y - 6), (39, y + 6),
           (44, y - 6), (49, y + 6), (52, y)]
    c.hline(21, 52, y, paper)
    for dx in (0, 1):  # two pixels heavy so the zig-zag stands out from the leads
        c.polyline([(x + dx, v) for x, v in zig], ink)
    return c


def coil(ink, paper, fill):
    c = Canvas(74, 52, paper)
    y = 25
    left, right, loops = 13, 61, 4
    c.hline(0, left, y, ink)
    c.hline(right, c.w - 1, y, ink)
    rx = (right - left) / (2 * loops)
    for i in range(loops):
        cx = left + rx * (2 * i + 1)
        for ry in (12, 11):  # a doubled arc gives a solid loop
            c.upper_arc(cx, y, rx, ry, ink)
    return c


def capacitor(ink, paper, fill):
    c = Canvas(76, 37, paper)
    y = 23
    left_plate, right_plate = 33, 39  # 2 px plates, 4 px gap, centred on x 36.5
    c.hline(0, left_plate, y, ink)
    c.hline(right_plate, c.w - 1, y, ink)
    c.fill(left_plate, 13, left_plate + 1, 33, ink)
    c.fill(right_plate - 1, 13, right_plate, 33, ink)
    return c


def impedance(ink, paper, fill):
    c = Canvas(78, 84, paper)
    y = 23
    c.hline(0, c.w - 1, y, ink)
    c.fill(16, 15, 57, 31, fill)
    c.frame(16, 15, 57, 31, ink)
    c.frame(17, 16, 56, 30, ink)
    return c


# ---------------------------------------------------------------- line bars

def bar(w, h, vertical):
    c = Canvas(w, h, WHITE)
    if vertical:
        c.fill(w // 2 - 1, 0, w // 2 + 1, h - 1, BLACK)
    else:
        c.fill(0, h // 2 - 1, w - 1, h // 2 + 1, BLACK)
    return c


# ---------------------------------------------------------------- cursors
# Drawn as a 1 = ink mask on 32x32; the writer adds a white halo so the
# cursor shows on any background. The hot spot is the centre (16, 16).

def cursor_canvas():
    return Canvas(32, 32, None)


def cursor_resistor():
    c = cursor_canvas()
    c.hline(2, 7, 16, 1)
    c.hline(25, 29, 16, 1)
    c.polyline([(7, 16), (9, 12), (12, 20), (15, 12), (18, 20), (21, 12),
                (24, 20), (25, 16)], 1)
    return c


def cursor_coil():
    c = cursor_canvas()
    c.hline(1, 4, 19, 1)
    c.hline(28, 30, 19, 1)
    for i in range(4):
        c.upper_arc(7 + 6 * i, 19, 3, 7, 1)
    return c


def cursor_capacitor():
    c = cursor_canvas()
    c.hline(3, 13, 16, 1)
    c.hline(18, 28, 16, 1)
    c.fill(13, 8, 14, 24, 1)
    c.fill(17, 8, 18, 24, 1)
    return c


def cursor_impedance():
    c = cursor_canvas()
    c.hline(2, 8, 16, 1)
    c.hline(23, 29, 16, 1)
    c.frame(8, 11, 23, 21, 1)
    c.frame(9, 12, 22, 20, 1)
    return c


def cursor_line():
    """Four-way arrow."""
    c = cursor_canvas()
    c.fill(15, 4, 16, 27, 1)
    c.fill(4, 15, 27, 16, 1)
    for i in range(5):
        c.hline(15 - i, 16 + i, 3 + i, 1)   # up
        c.hline(15 - i, 16 + i, 28 - i, 1)  # down
        c.vline(3 + i, 15 - i, 16 + i, 1)   # left
        c.vline(28 - i, 15 - i, 16 + i, 1)  # right
    return c


def cursor_rgba(c):
    ink = {(x, y) for y in range(c.h) for x in range(c.w) if c.px[y][x]}
    rows = []
    for y in range(c.h):
        row = []
        for x in range(c.w):
            if (x, y) in ink:
                row.append((0, 0, 0, 255))
            elif any((x + dx, y + dy) in ink for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                row.append((255, 255, 255, 255))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


# ---------------------------------------------------------------- writers

def write_bmp(path, c, bits):
    """Uncompressed Windows BMP (BITMAPINFOHEADER, bottom-up), 24- or 8-bit."""
    if bits == 24:
        palette = b""
        stride = (c.w * 3 + 3) & ~3
        def row_bytes(row):
            return b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
    else:
        colours = sorted({p for row in c.px for p in row})
        index = {p: i for i, p in enumerate(colours)}
        colours += [(0, 0, 0)] * (256 - len(colours))
        palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours)
        stride = (c.w + 3) & ~3
        def row_bytes(row):
            return bytes(index[p] for p in row)
    pixels = b"".join(row_bytes(row).ljust(stride, b"\0") for row in reversed(c.px))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, bits, 0, len(pixels),
                       3780, 3780, 256 if bits == 8 else 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)


def write_png(path, rows):
    """8-bit RGBA PNG."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    h, w = len(rows), len(rows[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


PARTS = [  # file stem, drawing, bits per pixel
    ("抵抗", resistor, 24),
    ("コイル1", coil, 8),
    ("コンデンサ", capacitor, 8),
    ("インピーダンス", impedance, 8),
]

CURSORS = [
    ("resistor", cursor_resistor),
    ("coil", cursor_coil),
    ("capacitor", cursor_capacitor),
    ("impedance", cursor_impedance),
    ("line", cursor_line),
]


def main():
    for stem, draw, bits in PARTS:
        write_bmp(stem + ".bmp", draw(BLACK, WHITE, GREY), bits)
        write_bmp("Drag" + stem + ".bmp", draw(DRAG_INK, DRAG_PAPER, DRAG_FILL), bits)
    write_bmp("vline.bmp", bar(9, 79, vertical=True), 24)
    write_bmp("hline.bmp", bar(57, 9, vertical=False), 24)
    for name, draw in CURSORS:
        write_png("cursor-%s.png" % name, cursor_rgba(draw()))


if __name__ == "__main__":
    main()
