#!/usr/bin/env python3
"""Draws the icon strip res/3dPlot.tif: five 64 x 64 RGBA icons side by side (plot, mesh, grid, cage, label).

Plain Python 3, no imaging library: the icons are rasterised here with 4 x 4 supersampling and written as an
uncompressed baseline RGBA TIFF. Run it from anywhere; it writes next to itself:

    python3 res/make_icons.py
"""

import math
import os
import struct

CELL = 64
ICONS = 5
SUPERSAMPLE = 4

# Height colours of the default gradient: blue at the bottom, green in the middle, red at the top.
BLUE = (0.0, 0.25, 1.0)
GREEN = (0.1, 0.85, 0.2)
RED = (1.0, 0.2, 0.1)
WIRE = (0.85, 0.85, 0.85)
DARK = (0.15, 0.15, 0.18)


def ramp(t):
    """Colour of the default gradient at t in 0..1 (linear between the three knots)."""
    t = min(1.0, max(0.0, t))
    a, b, u = (BLUE, GREEN, t * 2.0) if t < 0.5 else (GREEN, RED, t * 2.0 - 1.0)
    return tuple(a[k] + (b[k] - a[k]) * u for k in range(3))


def surface(x, z):
    """The default formula Sin(x) * Cos(z) over one period, x and z in -1..1."""
    return math.sin(x * math.pi) * math.cos(z * math.pi)


def project(x, y, z):
    """Isometric view of the unit box (x, z in -1..1, y in -1..1) onto one 64 x 64 cell, in cell pixels."""
    return (32.0 + (x - z) * 13.5, 34.0 + (x + z) * 6.5 - y * 11.0)


class Canvas:
    """One icon cell, supersampled; colours are premultiplied RGBA floats."""

    def __init__(self):
        self.size = CELL * SUPERSAMPLE
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.size * self.size)]

    def blend(self, px, py, color, alpha=1.0):
        if 0 <= px < self.size and 0 <= py < self.size:
            p = self.pixels[py * self.size + px]
            for k in range(3):
                p[k] = color[k] * alpha + p[k] * (1.0 - alpha)
            p[3] = alpha + p[3] * (1.0 - alpha)

    def disc(self, cx, cy, radius, color):
        s = SUPERSAMPLE
        cx, cy, r = cx * s, cy * s, radius * s
        for py in range(int(cy - r) - 1, int(cy + r) + 2):
            for px in range(int(cx - r) - 1, int(cx + r) + 2):
                if (px + 0.5 - cx) ** 2 + (py + 0.5 - cy) ** 2 <= r * r:
                    self.blend(px, py, color)

    def line(self, x0, y0, x1, y1, color, width=1.2):
        s = SUPERSAMPLE
        x0, y0, x1, y1, half = x0 * s, y0 * s, x1 * s, y1 * s, width * s * 0.5
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        for py in range(int(min(y0, y1) - half) - 1, int(max(y0, y1) + half) + 2):
            for px in range(int(min(x0, x1) - half) - 1, int(max(x0, x1) + half) + 2):
                qx, qy = px + 0.5, py + 0.5
                t = min(1.0, max(0.0, ((qx - x0) * dx + (qy - y0) * dy) / length2))
                ex, ey = x0 + t * dx - qx, y0 + t * dy - qy
                if ex * ex + ey * ey <= half * half:
                    self.blend(px, py, color)

    def polygon(self, points, color):
        """Fills a convex or concave polygon (even-odd rule) given in cell pixels."""
        s = SUPERSAMPLE
        pts = [(x * s, y * s) for x, y in points]
        top = int(min(y for _, y in pts))
        bottom = int(max(y for _, y in pts)) + 1
        for py in range(top, bottom + 1):
            sy = py + 0.5
            crossings = []
            for k in range(len(pts)):
                (ax, ay), (bx, by) = pts[k], pts[(k + 1) % len(pts)]
                if (ay <= sy < by) or (by <= sy < ay):
                    crossings.append(ax + (sy - ay) * (bx - ax) / (by - ay))
            crossings.sort()
            for a, b in zip(crossings[0::2], crossings[1::2]):
                for px in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.blend(px, py, color)

    def downsample(self):
        """The cell as 8-bit straight-alpha RGBA rows, top to bottom."""
        s = SUPERSAMPLE
        rows = []
        for y in range(CELL):
            row = []
            for x in range(CELL):
                acc = [0.0, 0.0, 0.0, 0.0]
                for sy in range(s):
                    for sx in range(s):
                        p = self.pixels[(y * s + sy) * self.size + x * s + sx]
                        for k in range(4):
                            acc[k] += p[k]
                a = acc[3] / (s * s)
                rgb = [acc[k] / acc[3] if acc[3] > 0 else 0.0 for k in range(3)]
                row.append(tuple(int(round(min(1.0, max(0.0, v)) * 255)) for v in rgb + [a]))
            rows.append(row)
        return rows


def grid_points(count):
    step = 2.0 / (count - 1)
    return [[(-1.0 + i * step, -1.0 + j * step) for j in range(count)] for i in range(count)]


def draw_plot(c):
    """Plot object: the sampled surface as dots coloured by height."""
    samples = [(x, surface(x, z), z) for row in grid_points(9) for x, z in row]
    # Far samples first so near dots cover them.
    for x, y, z in sorted(samples, key=lambda s: s[0] + s[2]):
        px, py = project(x, y, z)
        c.disc(px, py, 2.6, DARK)
        c.disc(px, py, 2.0, ramp((y + 1.0) * 0.5))


def draw_mesh(c):
    """Mesh component: a filled, shaded polygon surface."""
    count = 9
    pts = grid_points(count)
    quads = []
    for i in range(count - 1):
        for j in range(count - 1):
            corners = [pts[i][j], pts[i][j + 1], pts[i + 1][j + 1], pts[i + 1][j]]
            ys = [surface(x, z) for x, z in corners]
            quads.append((i + j, corners, ys))
    for _, corners, ys in sorted(quads, key=lambda q: q[0]):
        mean = sum(ys) / 4.0
        # A little light from the left keeps neighbouring quads apart.
        shade = 0.75 + 0.25 * max(-1.0, min(1.0, (ys[0] + ys[1] - ys[2] - ys[3]) * 1.5))
        color = tuple(v * shade for v in ramp((mean + 1.0) * 0.5))
        c.polygon([project(x, y, z) for (x, z), y in zip(corners, ys)], color)


def draw_grid(c):
    """Grid component: smooth curves along the rows and columns of the surface."""
    fine = 24
    for k in range(5):
        fixed = -1.0 + k * 0.5
        for along_x in (True, False):
            previous = None
            for step in range(fine + 1):
                t = -1.0 + 2.0 * step / fine
                x, z = (t, fixed) if along_x else (fixed, t)
                point = project(x, surface(x, z), z)
                if previous:
                    c.line(previous[0], previous[1], point[0], point[1], WIRE, 1.4)
                previous = point


def draw_cage(c):
    """Cage component: the wire box around the plotted volume with one ring and one cross-section."""
    corners = [(-1, -1), (1, -1), (1, 1), (-1, 1)]
    for y in (1.0, -1.0, 0.0):
        ring = [project(x, y, z) for x, z in corners]
        color = WIRE if y != 0.0 else (0.55, 0.75, 1.0)
        for k in range(4):
            c.line(*ring[k], *ring[(k + 1) % 4], color, 1.6)
    for x, z in corners:
        c.line(*project(x, 1.0, z), *project(x, -1.0, z), WIRE, 1.6)
    section = [project(0.0, 1.0, -1.0), project(0.0, 1.0, 1.0), project(0.0, -1.0, 1.0), project(0.0, -1.0, -1.0)]
    for k in range(4):
        c.line(*section[k], *section[(k + 1) % 4], (1.0, 0.7, 0.3), 1.2)


# 3 x 5 digit glyphs, rows top to bottom.
GLYPHS = {
    "0": ["111", "101", "101", "101", "111"],
    "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"],
    "-": ["000", "000", "111", "000", "000"],
}


def draw_text(c, text, left, top, scale, color):
    for index, char in enumerate(text):
        for row, bits in enumerate(GLYPHS[char]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    x = left + (index * 4 + col) * scale
                    y = top + row * scale
                    c.polygon([(x, y), (x + scale, y), (x + scale, y + scale), (x, y + scale)], color)


def draw_label(c):
    """Label component: an axis with tick marks and extruded tick values."""
    c.line(12, 6, 12, 60, WIRE, 1.8)
    c.line(12, 60, 60, 60, WIRE, 1.8)
    for k, text in enumerate(["2", "0", "-2"]):
        y = 10 + k * 20
        c.line(9, y, 15, y, WIRE, 1.6)
        # A dark copy offset down-right reads as the extrusion of the text.
        draw_text(c, text, 20, y - 5, 2.4, DARK)
        draw_text(c, text, 19, y - 6, 2.4, ramp(1.0 - k * 0.5))


def tiff_bytes(width, height, rows):
    """An uncompressed, single-strip, little-endian RGBA TIFF (unassociated alpha)."""
    pixels = bytes(v for row in rows for pixel in row for v in pixel)
    entries = []  # (tag, type, count, value or bytes)
    bits_offset = 8
    extra = struct.pack("<4H", 8, 8, 8, 8)
    pixel_offset = bits_offset + len(extra)
    ifd_offset = pixel_offset + len(pixels)
    SHORT, LONG = 3, 4
    entries = [
        (256, LONG, 1, width),
        (257, LONG, 1, height),
        (258, SHORT, 4, bits_offset),
        (259, SHORT, 1, 1),  # no compression
        (262, SHORT, 1, 2),  # RGB
        (273, LONG, 1, pixel_offset),
        (277, SHORT, 1, 4),
        (278, LONG, 1, height),
        (279, LONG, 1, len(pixels)),
        (284, SHORT, 1, 1),  # chunky
        (338, SHORT, 1, 2),  # unassociated alpha
    ]
    ifd = struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        if kind == SHORT and count == 1:
            ifd += struct.pack("<HHIHH", tag, kind, count, value, 0)
        else:
            ifd += struct.pack("<HHII", tag, kind, count, value)
    ifd += struct.pack("<I", 0)
    return struct.pack("<2sHI", b"II", 42, ifd_offset) + extra + pixels + ifd


def main():
    drawers = [draw_plot, draw_mesh, draw_grid, draw_cage, draw_label]
    assert len(drawers) == ICONS
    cells = []
    for draw in drawers:
        canvas = Canvas()
        draw(canvas)
        cells.append(canvas.downsample())
    rows = [[pixel for cell in cells for pixel in cell[y]] for y in range(CELL)]
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "3dPlot.tif")
    with open(path, "wb") as f:
        f.write(tiff_bytes(CELL * ICONS, CELL, rows))
    print("wrote", path)


if __name__ == "__main__":
    main()
