#!/usr/bin/env python3
"""Draws the application icon: a slate tile with an amber ring and a launch
arrow. Writes the same drawing as scalable SVG and as a 48 px PNG (Python
standard library only); the generated files are committed.

    python3 scripts/make-icon.py [output folder]   (default: assets/icons)
"""
import math
import os
import struct
import sys
import zlib

SIZE = 48
TOP = (0x46, 0x57, 0x6b)
BOTTOM = (0x1c, 0x24, 0x2e)
EDGE = (0x0f, 0x14, 0x1a)
AMBER = (0xf0, 0xb2, 0x45)
LIGHT = (0xee, 0xf3, 0xf8)

TILE = (4.0, 4.0, 44.0, 44.0, 9.0)          # x0 y0 x1 y1 corner radius
RING = (23.0, 23.0, 11.0, 2.25)             # cx cy radius half-width
TAIL = ((30.5, 30.5), (37.0, 37.0), 2.25)   # from, to, half-width
ARROW = ((20.0, 17.5), (20.0, 28.5), (29.0, 23.0))


def sd_tile(x, y):
    x0, y0, x1, y1, r = TILE
    qx = abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - r)
    qy = abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - r)
    return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r


def sd_ring(x, y):
    cx, cy, r, hw = RING
    return abs(math.hypot(x - cx, y - cy) - r) - hw


def sd_tail(x, y):
    (ax, ay), (bx, by), hw = TAIL
    px, py, dx, dy = x - ax, y - ay, bx - ax, by - ay
    t = max(0.0, min(1.0, (px * dx + py * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - dx * t, py - dy * t) - hw


def inside_arrow(x, y):
    signs = []
    for (ax, ay), (bx, by) in zip(ARROW, ARROW[1:] + ARROW[:1]):
        signs.append((bx - ax) * (y - ay) - (by - ay) * (x - ax) >= 0)
    return all(signs) or not any(signs)


def colour_at(x, y):
    """The colour and coverage of one sample point, front to back."""
    if inside_arrow(x, y):
        return LIGHT, 1.0
    if sd_ring(x, y) <= 0 or sd_tail(x, y) <= 0:
        return AMBER, 1.0
    d = sd_tile(x, y)
    if d <= -1.0:
        t = (y - TILE[1]) / (TILE[3] - TILE[1])
        return tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM)), 1.0
    if d <= 0:
        return EDGE, 1.0
    return (0, 0, 0), 0.0


def render_png(size):
    scale = SIZE / size
    grid = 4
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(grid):
                for sx in range(grid):
                    c, cover = colour_at((px + (sx + 0.5) / grid) * scale, (py + (sy + 0.5) / grid) * scale)
                    r += c[0] * cover
                    g += c[1] * cover
                    b += c[2] * cover
                    a += cover
            n = grid * grid
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def hex_of(c):
    return "#%02x%02x%02x" % c


def render_svg():
    x0, y0, x1, y1, r = TILE
    cx, cy, rr, hw = RING
    (ax, ay), (bx, by), thw = TAIL
    arrow = " ".join("%g,%g" % p for p in ARROW)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">
  <defs>
    <linearGradient id="slate" x1="0" y1="{y0}" x2="0" y2="{y1}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="{hex_of(TOP)}"/>
      <stop offset="1" stop-color="{hex_of(BOTTOM)}"/>
    </linearGradient>
  </defs>
  <rect x="{x0 + 0.5}" y="{y0 + 0.5}" width="{x1 - x0 - 1}" height="{y1 - y0 - 1}" rx="{r - 0.5}" fill="url(#slate)" stroke="{hex_of(EDGE)}" stroke-width="1"/>
  <circle cx="{cx}" cy="{cy}" r="{rr}" fill="none" stroke="{hex_of(AMBER)}" stroke-width="{2 * hw}"/>
  <line x1="{ax}" y1="{ay}" x2="{bx}" y2="{by}" stroke="{hex_of(AMBER)}" stroke-width="{2 * thw}" stroke-linecap="round"/>
  <polygon points="{arrow}" fill="{hex_of(LIGHT)}"/>
</svg>
"""


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets", "icons")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "quorvex.svg"), "w") as f:
        f.write(render_svg())
    with open(os.path.join(out, "quorvex-48.png"), "wb") as f:
        f.write(render_png(48))


if __name__ == "__main__":
    main()
