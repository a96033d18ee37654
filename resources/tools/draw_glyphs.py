#!/usr/bin/env python3
"""Draws the program's named bitmaps (resources/glyphs/NAME.bmp) and numbered
cursors (resources/cursors/N.cur), compiled in and found by name ("#N" for a
cursor).

Bitmaps are pixel art on olive (128, 128, 0), the colour of their bottom-left
pixel, which a bitmap drawn transparently leaves out:
- ASGCHK01..04 (20 x 20) and ASGCHK05..08 (16 x 16): check boxes, in this
  order checked, unchecked, checked disabled, unchecked disabled.
- ASGRAD01..04 and ASGRAD05..08 (16 x 16): radio buttons, the same order.
- metrocheckon/off, metroradioon/off (16 x 16): the flat look's boxes.
- XPNODEC and XPNODEO (9 x 9): a closed node (plus) and an open one (minus).
- ASGLEAFCLOSE and ASGLEAFOPEN (16 x 16): a closed and an open folder.
- ASGFILT (16 x 16): the filter funnel.
- AsgSpinUp and AsgSpinDown (9 x 6): the spin buttons' arrows.
- INTLI1..3 (28 x 28): the wheel-pan origin mark for both directions,
  horizontal only and vertical only; their top-left pixel is white.
Cursors are 32 x 32 with their hot spot: 8000 the wheel-pan origin, 8001..8008
panning down, left, right, up, up-right, up-left, down-right, down-left; 8010
row selection, 8011 column selection, 8012 whole-grid selection, 8014 cell
selection.
Run it again after a change and commit the files.
"""
import math
import os
import struct

OLIVE = (128, 128, 0)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class Pixels:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def where(self, inside, c):
        for y in range(self.h):
            for x in range(self.w):
                if inside(x, y):
                    self.px[y][x] = c

    def box(self, x0, y0, x1, y1, c):
        self.where(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, c)

    def frame(self, x0, y0, x1, y1, c):
        self.where(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1 and (x in (x0, x1) or y in (y0, y1)), c)

    def line(self, points, c, width=1):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            steps = max(abs(bx - ax), abs(by - ay)) * 4 or 1
            for i in range(steps + 1):
                x, y = ax + (bx - ax) * i / steps, ay + (by - ay) * i / steps
                for d in range(width):
                    self.put(round(x), round(y) + d, c)


def write_bmp(path, p):
    stride = (p.w * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(p.h)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in p.px[y])
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, p.w, p.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + rows)


def write_cur(path, p, hot):
    """p holds (r, g, b) or None for a see-through pixel."""
    xor = b""
    for y in reversed(range(p.h)):
        xor += b"".join(bytes((c[2], c[1], c[0], 255)) if c else b"\0\0\0\0" for c in p.px[y])
    and_stride = ((p.w + 31) // 32) * 4
    mask = b""
    for y in reversed(range(p.h)):
        bits = bytearray(and_stride)
        for x in range(p.w):
            if p.px[y][x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    info = struct.pack("<IiiHHIIiiII", 40, p.w, p.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    head = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", p.w, p.h, 0, 0, hot[0], hot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(head + entry + image)


def tick(p, x0, y0, c):
    p.line([(x0, y0 + 3), (x0 + 2, y0 + 5), (x0 + 7, y0)], c, width=2)


def check_box(size, checked, disabled, border, fill, mark):
    p = Pixels(size, size, OLIVE)
    o = (size - 14) // 2
    if disabled:
        border, fill, mark = (186, 184, 172), (240, 239, 231), (160, 160, 160)
    p.box(o, o, o + 13, o + 13, fill)
    p.frame(o, o, o + 13, o + 13, border)
    if checked:
        tick(p, o + 3, o + 4, mark)
    return p


def radio(on, disabled, ring, fill, dot):
    p = Pixels(16, 16, OLIVE)
    if disabled:
        # Greyed, with a hint of the style's ring so each style keeps its own.
        ring = tuple((c + 3 * g) // 4 for c, g in zip(ring, (186, 184, 172)))
        fill, dot = (240, 239, 231), (160, 160, 160)
    d = lambda x, y: math.hypot(x - 7.5, y - 7.5)
    p.where(lambda x, y: d(x, y) <= 6.3, ring)
    p.where(lambda x, y: d(x, y) <= 5.4, fill)
    if on:
        p.where(lambda x, y: d(x, y) <= 2.6, dot)
    return p


def metro_check(on):
    blue = (0, 114, 198)
    p = Pixels(16, 16, OLIVE)
    p.box(1, 1, 14, 14, blue if on else WHITE)
    p.frame(1, 1, 14, 14, blue if on else (128, 128, 128))
    if on:
        tick(p, 4, 5, WHITE)
    return p


def metro_radio(on):
    blue = (0, 114, 198)
    p = Pixels(16, 16, OLIVE)
    d = lambda x, y: math.hypot(x - 7.5, y - 7.5)
    p.where(lambda x, y: d(x, y) <= 6.3, blue if on else (128, 128, 128))
    p.where(lambda x, y: d(x, y) <= 5.4, WHITE)
    if on:
        p.where(lambda x, y: d(x, y) <= 3.0, blue)
    return p


def node(opened):
    p = Pixels(9, 9, OLIVE)
    p.box(0, 0, 8, 8, WHITE)
    p.frame(0, 0, 8, 8, (148, 148, 148))
    p.box(2, 4, 6, 4, BLACK)
    if not opened:
        p.box(4, 2, 4, 6, BLACK)
    return p


def folder(opened):
    dark, light = (176, 128, 24), (246, 200, 80)
    p = Pixels(16, 16, OLIVE)
    p.box(1, 3, 6, 4, dark)
    p.box(1, 4, 14, 13, dark)
    if opened:
        p.box(2, 5, 13, 7, WHITE)
        p.where(lambda x, y: 8 <= y <= 12 and 1 + (12 - y) // 2 <= x <= 14 - (12 - y) // 2 + 1, light)
    else:
        p.box(2, 6, 13, 12, light)
    return p


def funnel():
    p = Pixels(16, 16, OLIVE)
    p.where(lambda x, y: 2 <= y <= 7 and y - 1 <= x <= 14 - (y - 1), (64, 64, 64))
    p.where(lambda x, y: 3 <= y <= 6 and y + 1 <= x <= 12 - y + 1, (220, 220, 220))
    p.box(6, 8, 8, 13, (64, 64, 64))
    p.box(7, 8, 7, 12, (220, 220, 220))
    return p


def spin(up):
    p = Pixels(9, 6, OLIVE)
    for i, width in enumerate((1, 3, 5, 7)):
        y = 1 + (i if up else 3 - i)
        p.box(4 - width // 2, y, 4 + width // 2, y, BLACK)
    return p


def arrow_head(p, cx, cy, dx, dy, c, length=5):
    for i in range(length):
        for j in range(-i, i + 1):
            x, y = cx + dx * (length - i) - dy * j, cy + dy * (length - i) + dx * j
            p.put(x, y, c)


def pan_mark(horizontal, vertical):
    p = Pixels(28, 28, WHITE)
    d = lambda x, y: math.hypot(x - 13.5, y - 13.5)
    p.where(lambda x, y: 12.5 <= d(x, y) <= 13.5 or d(x, y) <= 2, BLACK)
    for dx, dy, keep in ((1, 0, horizontal), (-1, 0, horizontal), (0, 1, vertical), (0, -1, vertical)):
        if keep:
            arrow_head(p, 13 + max(dx, 0), 13 + max(dy, 0), dx, dy, BLACK, 4)
            arrow_head(p, 13 + max(dx, 0) + dx * 3, 13 + max(dy, 0) + dy * 3, dx, dy, BLACK, 4)
    return p


def outlined(shape):
    """A black shape with a white outline on a see-through 32 x 32 cursor."""
    p = Pixels(32, 32, None)
    p.where(lambda x, y: any(shape(x + a, y + b) for a in (-1, 0, 1) for b in (-1, 0, 1)), WHITE)
    p.where(shape, BLACK)
    return p


def pan_cursor(dx, dy):
    def shape(x, y):
        if abs(math.hypot(x - 15.5, y - 15.5) - 3.5) <= 0.8:
            return True
        if dx == 0 and dy == 0:
            return False
        # a head beyond the ring, pointing away from the centre
        ux, uy = (dx, dy) if dx == 0 or dy == 0 else (dx / math.sqrt(2), dy / math.sqrt(2))
        along = (x - 15.5) * ux + (y - 15.5) * uy
        across = abs(-(x - 15.5) * uy + (y - 15.5) * ux)
        return 7 <= along <= 13 and across <= 13 - along
    return outlined(shape)


def select_arrow(dx, dy):
    """A short fat arrow pointing along (dx, dy), its tip at the hot spot (16, 16)."""
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n

    def shape(x, y):
        along = (16 - x) * ux + (16 - y) * uy
        across = abs(-(x - 16) * uy + (y - 16) * ux)
        return (0 <= along <= 6 and across <= along) or (6 < along <= 14 and across <= 1.5)
    return outlined(shape)


def cell_cross():
    return outlined(lambda x, y: (abs(x - 16) <= 1 and abs(y - 16) <= 8) or (abs(y - 16) <= 1 and abs(x - 16) <= 8))


def glyphs():
    xp = ((28, 81, 128), WHITE, (33, 161, 33))
    zev = ((127, 157, 185), WHITE, BLACK)
    states = ((True, False), (False, False), (True, True), (False, True))
    out = {}
    for first, size, look in ((1, 20, zev), (5, 16, xp)):
        for i, (on, off) in enumerate(states):
            out["ASGCHK%02d" % (first + i)] = check_box(size, on, off, *look)
            out["ASGRAD%02d" % (first + i)] = radio(on, off, *look)
    out.update(metrocheckon=metro_check(True), metrocheckoff=metro_check(False),
               metroradioon=metro_radio(True), metroradiooff=metro_radio(False),
               XPNODEC=node(False), XPNODEO=node(True), ASGLEAFCLOSE=folder(False),
               ASGLEAFOPEN=folder(True), ASGFILT=funnel(), AsgSpinUp=spin(True), AsgSpinDown=spin(False),
               INTLI1=pan_mark(True, True), INTLI2=pan_mark(True, False), INTLI3=pan_mark(False, True))
    return out


def cursors():
    pan = {8000: (0, 0), 8001: (0, 1), 8002: (-1, 0), 8003: (1, 0), 8004: (0, -1),
           8005: (1, -1), 8006: (-1, -1), 8007: (1, 1), 8008: (-1, 1)}
    out = {n: (pan_cursor(*d), (16, 16)) for n, d in pan.items()}
    out.update({8010: (select_arrow(1, 0), (16, 16)), 8011: (select_arrow(0, 1), (16, 16)),
                8012: (select_arrow(1, 1), (16, 16)), 8014: (cell_cross(), (16, 16))})
    return out


if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    for name, p in glyphs().items():
        write_bmp(os.path.join(here, "glyphs", name + ".bmp"), p)
    for n, (p, hot) in cursors().items():
        write_cur(os.path.join(here, "cursors", "%d.cur" % n), p, hot)
