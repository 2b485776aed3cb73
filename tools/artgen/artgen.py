#!/usr/bin/env python3
"""Draws the plug-in's pictures: button icons 1001-1008, crop-mark bitmaps 132/1016/1017 and the
palette picture 5041. Writes them into the given folder (resources/art); with --check, compares
what it would write with what is there and exits 1 on any difference."""

import argparse
import os
import sys
import tempfile

import formats
from raster import Canvas

BLACK, NAVY, BLUE, TEAL = (0, 0, 0), (0, 0, 128), (0, 0, 255), (0, 128, 128)
SILVER, GREY, RED, WHITE = (192, 192, 192), (128, 128, 128), (255, 0, 0), (255, 255, 255)
MAROON, YELLOW, AQUA = (128, 0, 0), (255, 255, 0), (0, 255, 255)


def logo(size):
    """A blue tile with a dashed cut line swept by a blade: the plug-in's own mark."""
    c = Canvas(size, size)
    s = size / 32
    for y in range(size):
        t = y / (size - 1)
        for x in range(size):
            u = x / (size - 1)
            corner = min(x, size - 1 - x) + min(y, size - 1 - y)
            if corner >= 3 * s:
                c.put(x, y, (int(200 * u * t), int(60 + 160 * t), int(255 - 120 * u)))
    points = [(5 + i, 24 - 14 * (i / 22) - 4 * ((i - 11) / 11) ** 2 * (i < 11)) for i in range(23)]
    for n, (x, y) in enumerate(points[:-1]):
        if n % 4 < 3:
            c.line(x * s, y * s, points[n + 1][0] * s, points[n + 1][1] * s, WHITE, 2 * s)
    c.polygon([(22 * s, 4 * s), (29 * s, 11 * s), (24 * s, 13 * s), (20 * s, 9 * s)], SILVER)
    c.line(20 * s, 9 * s, 24 * s, 13 * s, GREY)
    return c


def outlined_letter():
    c = Canvas(32, 32)
    strokes = [((6, 28), (16, 3)), ((16, 3), (26, 28)), ((10, 19), (22, 19))]
    for width, colour in ((7, BLACK), (4, WHITE)):
        for (a, b) in strokes:
            c.line(*a, *b, colour, width)
    return c


def thick_stroke():
    c = Canvas(32, 32)
    c.line(5, 26, 26, 5, BLACK, 10)
    c.line(5, 26, 26, 5, NAVY, 7)
    return c


def merge_shapes():
    c = Canvas(32, 32)
    c.fill_rect(3, 3, 19, 19, BLUE)
    c.rect(3, 3, 19, 19, BLACK)
    c.disc(20, 20, 9, RED)
    c.ring(20, 20, 9.5, 1.2, BLACK)
    return c


def offset_shapes():
    c = Canvas(32, 32)
    c.fill_rect(2, 20, 9, 27, TEAL)
    c.rect(2, 20, 9, 27, BLACK)
    c.rect(14, 3, 29, 18, BLACK)
    c.rect(15, 4, 28, 17, TEAL)
    c.line(9, 20, 15, 14, RED, 2)
    c.polygon([(17, 12), (11, 14), (15, 18)], RED)
    return c


def sheet(framed):
    c = Canvas(32, 32)
    c.fill_rect(7, 2, 24, 29, WHITE)
    c.rect(7, 2, 24, 29, BLACK)
    if framed:
        c.rect(9, 4, 22, 27, BLUE)
        c.rect(10, 5, 21, 26, BLUE)
    for (x, y) in ((12, 8), (12, 23), (19, 23)):
        c.disc(x, y, 2.2, GREY)
    return c


def check_mark():
    c = Canvas(32, 32)
    c.line(5, 17, 12, 25, MAROON, 6)
    c.line(12, 25, 27, 6, MAROON, 6)
    c.line(5, 17, 12, 25, RED, 4)
    c.line(12, 25, 27, 6, RED, 4)
    return c


# The crop-mark pictures: 208 x 264, an upright sheet, its dotted print area, grey marks and red
# dimension arrows. Sheet and print area in pixels; marks are circles of radius MARK.
SHEET = (24, 12, 184, 252)
PRINT = (36, 24, 172, 240)
MARK = 7


def _crop_base(print_area):
    c = Canvas(208, 264, WHITE)
    x0, y0, x1, y1 = SHEET
    c.fill_rect(x0 + 3, y0 + 3, x1 + 3, y1 + 3, GREY)
    c.fill_rect(x0, y0, x1, y1, WHITE)
    c.rect(x0, y0, x1, y1, BLACK)
    c.rect(*print_area, GREY, dotted=True)
    return c


def _mark(c, x, y):
    c.disc(x, y, MARK, SILVER)
    c.ring(x, y, MARK + 0.5, 1.5, GREY)


def _label(c, x, y, letter):
    c.text(x, y, letter, RED, 2)


def crop_picture(layout):
    """layout: 'top' (marks top left, top right, bottom left; Y from the top edge), 'bottom'
    (top left, bottom left, bottom right) or 'corners' (four marks with corner angles)."""
    sx0, sy0, sx1, sy1 = SHEET
    left, right = sx0 + 16 + MARK, sx1 - 16 - MARK
    top, bottom = sy0 + 36 + MARK, sy1 - 36 - MARK
    c = _crop_base((left, top, right, bottom) if layout == "corners" else PRINT)
    if layout == "top":
        marks = [(left, top), (right, top), (left, bottom)]
        near_y, edge_y, w_y = top, sy0, top
    else:
        marks = [(left, top), (left, bottom), (right, bottom)]
        near_y, edge_y, w_y = bottom, sy1, bottom
        if layout == "corners":
            marks.append((right, top))
    for (x, y) in marks:
        _mark(c, x, y)
        if layout == "corners":
            hx = -1 if x == left else 1
            hy = -1 if y == top else 1
            ax, ay = x + hx * (MARK + 4), y + hy * (MARK + 4)
            c.line(ax, ay, ax - hx * 12, ay, BLACK)
            c.line(ax, ay, ax, ay - hy * 12, BLACK)
    # X: sheet edge to the near-left mark's edge; Y: sheet edge (top or bottom) to that mark.
    c.arrow(sx0 + 1, near_y, left - MARK - 1, near_y, RED, 3)
    _label(c, sx0 + 3, near_y - 18 if layout == "top" else near_y + 6, "X")
    mark_edge = near_y - MARK - 1 if layout == "top" else near_y + MARK + 1
    c.arrow(left, edge_y + (1 if layout == "top" else -1), left, mark_edge, RED, 3)
    _label(c, left + 5, (edge_y + mark_edge) // 2 - 7, "Y")
    # L between the two left marks' centres, W between the left and right centres.
    lx = left + MARK + 10
    c.arrow(lx, top, lx, bottom, RED)
    _label(c, lx + 4, (top + bottom) // 2 - 7, "L")
    wy = w_y + (MARK + 10) * (1 if layout == "top" else -1)
    c.arrow(left, wy, right, wy, RED)
    _label(c, (left + right) // 2 - 5, wy + (4 if layout == "top" else -18), "W")
    return c


def pictures():
    """File name -> bytes of every picture."""
    return {
        "icon_1001.ico": formats.ico(logo(32), 8),
        "icon_1002.ico": formats.ico(outlined_letter(), 4),
        "icon_1003.ico": formats.ico(thick_stroke(), 4),
        "icon_1004.ico": formats.ico(merge_shapes(), 4),
        "icon_1005.ico": formats.ico(offset_shapes(), 4),
        "icon_1006.ico": formats.ico(sheet(False), 4),
        "icon_1007.ico": formats.ico(check_mark(), 4),
        "icon_1008.ico": formats.ico(sheet(True), 4),
        "crop_132.bmp": formats.bmp_rle4(crop_picture("corners")),
        "crop_1016.bmp": formats.bmp_rle4(crop_picture("bottom")),
        "crop_1017.bmp": formats.bmp_rle4(crop_picture("top")),
        "palette_5041.png": formats.png(logo(32)),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    stale = []
    for name, data in pictures().items():
        path = os.path.join(args.folder, name)
        if args.check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                stale.append(name)
        else:
            os.makedirs(args.folder, exist_ok=True)
            with tempfile.NamedTemporaryFile(dir=args.folder, delete=False) as f:
                f.write(data)
            os.chmod(f.name, 0o644)
            os.replace(f.name, path)
    if stale:
        print("not what artgen.py draws: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
