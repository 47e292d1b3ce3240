#!/usr/bin/env python3
"""Draws plimso's PNG icons (16 to 256 px) into this folder, or the one given.

The PNGs are committed, so building plimso needs nothing of this; run it again
after changing the drawing:  python3 data/icons/make-icons.py

The drawing is the one of io.github.plimso.Plimso.svg: a white grid surface
with nine dots, four of them red and joined by a dark red path. Each size from
32 px up gets its own geometry on whole pixels, so that outlines stay sharp
(at 32 and 48 px the dots are drawn pixel by pixel); 16 and 24 px are drawn
wholly pixel by pixel, with four dots, since nine do not fit. Needs only the
Python standard library.
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Colours, as in the program: the dots' green and red, the path's dark red.
TRANSPARENT = (0, 0, 0, 0)
COLOURS = {
    ".": TRANSPARENT,
    "K": (0, 0, 0, 255),        # dot outline
    "G": (0, 255, 0, 255),      # free dot
    "R": (255, 0, 0, 255),      # dot on the path
    "W": (255, 255, 255, 255),  # highlight
    "w": (255, 255, 255, 255),  # grid surface
    "B": (77, 77, 77, 255),     # surface border
    "b": (77, 77, 77, 128),     # surface border, half covered (rounded corners)
    "L": (128, 0, 0, 255),      # path
}

# Which dots are on the path, in the order the path visits them (column, row).
PATH = [(0, 0), (0, 1), (1, 1), (2, 2)]

# Geometry per size, in pixels: surface edge inset, border width, outer corner
# radius; dot centres (the same for columns and rows), outer dot radius,
# outline width; highlight square (offset from the centre, side); path width;
# whether dots and path are anti-aliased (smooth) or hard-edged like the
# program's own dot picture. Where a dot is only a few pixels wide it is drawn
# pixel by pixel instead ("dot": K outline, F fill, W highlight).
GEOMETRY = {
    256: dict(inset=16, border=8, corner=40, centres=(64, 128, 192), radius=22, outline=6,
              highlight=(-11, -9, 8), line=12, smooth=True),
    128: dict(inset=8, border=4, corner=20, centres=(32, 64, 96), radius=11, outline=3,
              highlight=(-6, -5, 4), line=6, smooth=True),
    64: dict(inset=4, border=2, corner=10, centres=(16, 32, 48), radius=6, outline=2,
             highlight=(-3, -3, 2), line=3, smooth=True),
    48: dict(inset=3, border=2, corner=8, centres=(12, 24, 36), line=2, smooth=False,
             dot=["..KKKK..",
                  ".KFFFFK.",
                  "KFWWFFFK",
                  "KFWWFFFK",
                  "KFFFFFFK",
                  "KFFFFFFK",
                  ".KFFFFK.",
                  "..KKKK.."]),
    32: dict(inset=2, border=1, corner=5, centres=(8, 16, 24), line=2, smooth=False,
             dot=[".KKKK.",
                  "KWFFFK",
                  "KFFFFK",
                  "KFFFFK",
                  "KFFFFK",
                  ".KKKK."]),
}

# The two smallest sizes, pixel by pixel: four dots, the path from the top left
# one down and across to the bottom right one, the top right dot free.
PIXELS = {
    16: [
        ".bBBBBBBBBBBBBb.",
        "bwwwwwwwwwwwwwwb",
        "BwwKKKwwwwKKKwwB",
        "BwKWRRKwwKWGGKwB",
        "BwKRRRKwwKGGGKwB",
        "BwKRRRKwwKGGGKwB",
        "BwwKKKwwwwKKKwwB",
        "BwwwLwwwwwwwwwwB",
        "BwwwLwwwwwwwwwwB",
        "BwwKKKwwwwKKKwwB",
        "BwKWRRKwwKWRRKwB",
        "BwKRRRKLLKRRRKwB",
        "BwKRRRKwwKRRRKwB",
        "BwwKKKwwwwKKKwwB",
        "bwwwwwwwwwwwwwwb",
        ".bBBBBBBBBBBBBb.",
    ],
    24: [
        ".bBBBBBBBBBBBBBBBBBBBBb.",
        "bwwwwwwwwwwwwwwwwwwwwwwb",
        "BwwwwwwwwwwwwwwwwwwwwwwB",
        "BwwwwKKKKwwwwwwKKKKwwwwB",
        "BwwwKRRRRKwwwwKGGGGKwwwB",
        "BwwKRWWRRRKwwKGWWGGGKwwB",
        "BwwKRWWRRRKwwKGWWGGGKwwB",
        "BwwKRRRRRRKwwKGGGGGGKwwB",
        "BwwKRRRRRRKwwKGGGGGGKwwB",
        "BwwwKRRRRKwwwwKGGGGKwwwB",
        "BwwwwKKKKwwwwwwKKKKwwwwB",
        "BwwwwwLLwwwwwwwwwwwwwwwB",
        "BwwwwwLLwwwwwwwwwwwwwwwB",
        "BwwwwKKKKwwwwwwKKKKwwwwB",
        "BwwwKRRRRKwwwwKRRRRKwwwB",
        "BwwKRWWRRRKwwKRWWRRRKwwB",
        "BwwKRWWRRRKLLKRWWRRRKwwB",
        "BwwKRRRRRRKLLKRRRRRRKwwB",
        "BwwKRRRRRRKwwKRRRRRRKwwB",
        "BwwwKRRRRKwwwwKRRRRKwwwB",
        "BwwwwKKKKwwwwwwKKKKwwwwB",
        "BwwwwwwwwwwwwwwwwwwwwwwB",
        "bwwwwwwwwwwwwwwwwwwwwwwb",
        ".bBBBBBBBBBBBBBBBBBBBBb.",
    ],
}


def png(width, height, rows):
    """A PNG file's bytes for rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def from_pixels(art):
    size = len(art)
    assert all(len(row) == size for row in art), "pixel art must be square"
    return size, [[COLOURS[c] for c in row] for row in art]


# --- shapes: each answers whether a point lies inside it ---------------------
def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside, (x0, y0, x1, y1)


def disc(cx, cy, r):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), (cx - r, cy - r, cx + r, cy + r)


def square(x0, y0, side):
    return (lambda x, y: x0 <= x < x0 + side and y0 <= y < y0 + side), (x0, y0, x0 + side, y0 + side)


def segment(ax, ay, bx, by, width):
    h = width / 2
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= h * h
    return inside, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h)


def shapes(size, g):
    """The drawing as (shape, colour, smooth) triples, bottom first. A shape that
    is not smooth is hard-edged: each pixel is wholly in it or wholly out."""
    out = []
    i, b, c = g["inset"], g["border"], g["corner"]
    out.append((rounded_rect(i, i, size - i, size - i, c), COLOURS["B"], True))
    out.append((rounded_rect(i + b, i + b, size - i - b, size - i - b, c - b), COLOURS["w"], True))
    smooth = g["smooth"]
    centre = lambda col, row: (g["centres"][col], g["centres"][row])  # noqa: E731
    for (c0, r0), (c1, r1) in zip(PATH, PATH[1:]):
        out.append((segment(*centre(c0, r0), *centre(c1, r1), g["line"]), COLOURS["L"], smooth))
    for row in range(3):
        for col in range(3):
            x, y = centre(col, row)
            fill = COLOURS["R"] if (col, row) in PATH else COLOURS["G"]
            if "dot" in g:
                side = len(g["dot"])
                for dy, line in enumerate(g["dot"]):
                    for dx, c in enumerate(line):
                        if c != ".":
                            out.append((square(x - side // 2 + dx, y - side // 2 + dy, 1),
                                        fill if c == "F" else COLOURS[c], False))
                continue
            hx, hy, hs = g["highlight"]
            out.append((disc(x, y, g["radius"]), COLOURS["K"], smooth))
            out.append((disc(x, y, g["radius"] - g["outline"]), fill, smooth))
            out.append((square(x + hx, y + hy, hs), COLOURS["W"], smooth))
    return out


def render(size, g, samples=8):
    """Each pixel is the mean of samples x samples points; hard-edged shapes are
    asked about the pixel's centre only."""
    drawing = shapes(size, g)
    n = samples
    offsets = [(k + 0.5) / n for k in range(n)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            here = [(inside, colour, smooth) for (inside, (x0, y0, x1, y1)), colour, smooth
                    in drawing if x0 < px + 1 and x1 > px and y0 < py + 1 and y1 > py]
            acc = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    x, y = px + ox, py + oy
                    colour = TRANSPARENT
                    for inside, c, smooth in reversed(here):
                        if inside(x, y) if smooth else inside(px + 0.5, py + 0.5):
                            colour = c
                            break
                    a = colour[3] / 255
                    acc[0] += colour[0] * a
                    acc[1] += colour[1] * a
                    acc[2] += colour[2] * a
                    acc[3] += a
            alpha = acc[3] / (n * n)
            if alpha == 0:
                row.append(TRANSPARENT)
            else:
                row.append(tuple(round(acc[k] / acc[3]) for k in range(3)) + (round(alpha * 255),))
        rows.append(row)
    return rows


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else HERE
    for size, art in sorted(PIXELS.items()):
        n, rows = from_pixels(art)
        assert n == size
        write(out_dir, size, rows)
    for size, g in sorted(GEOMETRY.items()):
        write(out_dir, size, render(size, g))


def write(out_dir, size, rows):
    path = os.path.join(out_dir, f"plimso-{size}.png")
    with open(path, "wb") as f:
        f.write(png(size, size, rows))
    print(path)


if __name__ == "__main__":
    main()
