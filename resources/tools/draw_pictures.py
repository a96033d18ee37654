#!/usr/bin/env python3
"""Draws the program's own pictures (resources/pictures/*.png).

GlyphSheet.png: the main window's glyphs on the window's colour (a button
leaves out the colour of a glyph's bottom-left pixel). Top row, 32 x 32:
information, options, close. Bottom row, 24 x 24: new, open, step.
Logo.png: the maker's logo of the About box, 81 x 81.
Run it again after a change and commit the pictures.
"""
import math
import os
import struct
import zlib

WINDOW = (248, 247, 237)
SS = 4  # supersampling per axis


class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [[bg] * (w * SS) for _ in range(h * SS)]

    def fill(self, inside, colour, x0, y0, size):
        """Paints the sub-pixels of a size x size cell at x0, y0 where inside(u, v) holds (u, v in 0..1)."""
        for sy in range(size * SS):
            for sx in range(size * SS):
                u, v = (sx + 0.5) / (size * SS), (sy + 0.5) / (size * SS)
                if inside(u, v):
                    self.px[y0 * SS + sy][x0 * SS + sx] = colour

    def rows(self):
        out = []
        for y in range(self.h):
            row = bytearray([0])
            for x in range(self.w):
                acc = [0, 0, 0]
                for sy in range(SS):
                    for sx in range(SS):
                        c = self.px[y * SS + sy][x * SS + sx]
                        for i in range(3):
                            acc[i] += c[i]
                row += bytes(round(a / (SS * SS)) for a in acc)
            out.append(bytes(row))
        return out


def write_png(path, canvas):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(canvas.rows())
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def disc(r, cx=0.5, cy=0.5):
    return lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda u, v: x0 <= u <= x1 and y0 <= v <= y1


def segment(ax, ay, bx, by, half):
    def inside(u, v):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
        return (u - ax - t * dx) ** 2 + (v - ay - t * dy) ** 2 <= half * half
    return inside


def gear(u, v):
    du, dv = u - 0.5, v - 0.5
    r = math.hypot(du, dv)
    tooth = (math.atan2(dv, du) / (2 * math.pi) * 8) % 1.0
    outer = 0.46 if 0.25 < tooth < 0.75 else 0.36
    return 0.13 < r <= outer


def glyph_sheet():
    c = Canvas(96, 56, WINDOW)
    white = (255, 255, 255)
    # information
    c.fill(disc(0.46), (46, 109, 180), 0, 0, 32)
    c.fill(disc(0.06, 0.5, 0.27), white, 0, 0, 32)
    c.fill(rect(0.43, 0.40, 0.57, 0.76), white, 0, 0, 32)
    # options
    c.fill(gear, (102, 102, 102), 32, 0, 32)
    # close
    c.fill(disc(0.46), (200, 48, 40), 64, 0, 32)
    c.fill(segment(0.32, 0.32, 0.68, 0.68, 0.07), white, 64, 0, 32)
    c.fill(segment(0.68, 0.32, 0.32, 0.68, 0.07), white, 64, 0, 32)
    # new: a page with a green plus
    c.fill(rect(0.18, 0.08, 0.72, 0.92), (120, 120, 120), 0, 32, 24)
    c.fill(rect(0.23, 0.13, 0.67, 0.87), white, 0, 32, 24)
    c.fill(disc(0.26, 0.68, 0.68), (52, 150, 60), 0, 32, 24)
    c.fill(rect(0.64, 0.52, 0.72, 0.84), white, 0, 32, 24)
    c.fill(rect(0.52, 0.64, 0.84, 0.72), white, 0, 32, 24)
    # open: a folder
    c.fill(rect(0.08, 0.20, 0.45, 0.35), (214, 160, 40), 24, 32, 24)
    c.fill(rect(0.08, 0.30, 0.92, 0.84), (214, 160, 40), 24, 32, 24)
    c.fill(rect(0.12, 0.40, 0.88, 0.80), (246, 200, 80), 24, 32, 24)
    # step: an arrow in a circle
    c.fill(disc(0.46), (46, 109, 180), 48, 32, 24)
    c.fill(rect(0.24, 0.42, 0.60, 0.58), white, 48, 32, 24)
    c.fill(lambda u, v: 0.52 <= u <= 0.80 and abs(v - 0.5) <= (0.80 - u) * 0.9, white, 48, 32, 24)
    return c


def logo():
    c = Canvas(81, 81, WINDOW)
    c.fill(lambda u, v: max(abs(u - 0.5), abs(v - 0.5)) <= 0.47 and
           math.hypot(max(abs(u - 0.5) - 0.35, 0), max(abs(v - 0.5) - 0.35, 0)) <= 0.12,
           (38, 84, 150), 0, 0, 81)
    c.fill(lambda u, v: 0.19 <= math.hypot(u - 0.5, v - 0.5) <= 0.31, (255, 255, 255), 0, 0, 81)
    c.fill(disc(0.07, 0.5, 0.5), (250, 190, 40), 0, 0, 81)
    return c


if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures")
    write_png(os.path.join(here, "GlyphSheet.png"), glyph_sheet())
    write_png(os.path.join(here, "Logo.png"), logo())
