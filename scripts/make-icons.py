#!/usr/bin/env python3
"""Draws the program's images and writes them to data/icons/.

Standard library only: shapes are tested per sub-sample (supersampling gives
anti-aliased edges) and the PNG files are written with zlib and struct.

Motif: a rounded blue archive box with a lid and a white arrow pointing down
into it.  The tray frames show the same box small; frames 1-3 draw the arrow
in amber, stepping downwards, to show that a backup is running.

Run from anywhere:  python3 scripts/make-icons.py
"""

import os
import struct
import zlib

# --- PNG writing -----------------------------------------------------------


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, pixels):
    """pixels: list of rows, each a bytes object of width*4 RGBA values."""
    raw = b"".join(b"\x00" + row for row in pixels)
    png = b"\x89PNG\r\n\x1a\n"
    png += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += _chunk(b"IDAT", zlib.compress(raw, 9))
    png += _chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


# --- shapes (unit square, y grows downwards) -------------------------------


def in_rounded_rect(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    dx, dy = x - cx, y - cy
    return dx * dx + dy * dy <= r * r


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    neg = s1 < 0 or s2 < 0 or s3 < 0
    pos = s1 > 0 or s2 > 0 or s3 > 0
    return not (neg and pos)


def mix(c0, c1, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def hexcolor(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


OUTLINE = hexcolor("#123a6e")
BODY_TOP = hexcolor("#4a9cec")
BODY_BOTTOM = hexcolor("#1e5fb4")
LID = hexcolor("#1a4f94")
LID_SHINE = hexcolor("#6fb4f4")
WHITE = (255, 255, 255)
AMBER = hexcolor("#ffc23a")

# Box geometry.
BODY = (0.12, 0.30, 0.88, 0.90, 0.09)
LID_BOX = (0.06, 0.12, 0.94, 0.33, 0.06)


def make_scene(arrow_dy, arrow_color, stroke):
    """Returns f(x, y) -> (r, g, b) or None for a transparent sample.

    stroke: outline width in unit coordinates (thicker for small images).
    """
    bx0, by0, bx1, by1, br = BODY
    lx0, ly0, lx1, ly1, lr = LID_BOX
    shaft_half = 0.075
    shaft_top = 0.40 + arrow_dy
    head_top = 0.58 + arrow_dy
    head_tip = 0.82 + arrow_dy
    head_half = 0.20
    # The arrow stays inside the box body (below the lid, above the base).
    clip_top = ly1 + stroke * 0.5
    clip_bottom = by1 - stroke - 0.02

    def scene(x, y):
        # Lid, drawn on top of the body.
        if in_rounded_rect(x, y, lx0, ly0, lx1, ly1, lr):
            if not in_rounded_rect(x, y, lx0 + stroke, ly0 + stroke,
                                   lx1 - stroke, ly1 - stroke, max(lr - stroke, 0.0)):
                return OUTLINE
            if y < ly0 + stroke + 0.045:
                return LID_SHINE
            return LID
        if in_rounded_rect(x, y, bx0, by0, bx1, by1, br):
            if not in_rounded_rect(x, y, bx0 + stroke, by0, bx1 - stroke,
                                   by1 - stroke, max(br - stroke, 0.0)):
                return OUTLINE
            if clip_top <= y <= clip_bottom:
                in_shaft = (abs(x - 0.5) <= shaft_half and shaft_top <= y <= head_top + 0.01)
                in_head = in_triangle(x, y, (0.5 - head_half, head_top),
                                      (0.5 + head_half, head_top), (0.5, head_tip))
                if in_shaft or in_head:
                    return arrow_color
            return mix(BODY_TOP, BODY_BOTTOM, (y - by0) / (by1 - by0))
        return None

    return scene


def render(size, scene, ss):
    """Supersamples ss x ss points per pixel and averages them."""
    rows = []
    n = ss * ss
    offsets = [(i + 0.5) / ss for i in range(ss)]
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0.0
            for oy in offsets:
                y = (py + oy) / size
                for ox in offsets:
                    c = scene((px + ox) / size, y)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1.0
            if a == 0.0:
                row += b"\x00\x00\x00\x00"
            else:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
        rows.append(bytes(row))
    return rows


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = os.path.join(root, "data", "icons")
    os.makedirs(out_dir, exist_ok=True)

    def emit(name, size, scene, ss):
        path = os.path.join(out_dir, name)
        write_png(path, size, size, render(size, scene, ss))
        print("wrote", os.path.relpath(path, root))

    emit("arkwellbackup.png", 256, make_scene(0.0, WHITE, 0.022), 4)
    emit("arkwellbackup-48.png", 48, make_scene(0.0, WHITE, 0.035), 8)

    # Tray frames: 0 rests, 1-3 move the amber arrow down in steps.
    tray = [(0.0, WHITE), (-0.08, AMBER), (0.0, AMBER), (0.08, AMBER)]
    for index, (dy, color) in enumerate(tray):
        emit("tray%d.png" % index, 32, make_scene(dy, color, 0.045), 8)


if __name__ == "__main__":
    main()
