"""A tiny raster canvas: RGB pixels (None is transparent) and the shapes the art needs."""

import math

# 5 x 7 glyphs of the dimension labels, one string a row, '#' is ink.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
}


class Canvas:
    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill_rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def rect(self, x0, y0, x1, y1, colour, dotted=False):
        for x in range(x0, x1 + 1):
            if not dotted or (x - x0) % 3 == 0:
                self.put(x, y0, colour)
                self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            if not dotted or (y - y0) % 3 == 0:
                self.put(x0, y, colour)
                self.put(x1, y, colour)

    def disc(self, cx, cy, radius, colour):
        r2 = radius * radius
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r2:
                    self.put(x, y, colour)

    def ring(self, cx, cy, radius, width, colour):
        outer, inner = radius * radius, (radius - width) ** 2
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if inner < d <= outer:
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, thickness=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1) * 2
        for i in range(int(steps) + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            if thickness <= 1:
                self.put(x, y, colour)
            else:
                self.disc(x, y, thickness / 2, colour)

    def polygon(self, points, colour):
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            for x in range(self.width):
                if _inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, colour)

    def arrow(self, x0, y0, x1, y1, colour, head=4):
        """A dimension arrow with heads at both ends."""
        self.line(x0, y0, x1, y1, colour)
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        for (tx, ty, sx) in ((x1, y1, 1), (x0, y0, -1)):
            bx, by = tx - sx * ux * head, ty - sx * uy * head
            self.polygon([(tx, ty), (bx - uy * head / 2, by + ux * head / 2),
                          (bx + uy * head / 2, by - ux * head / 2)], colour)

    def text(self, x, y, letters, colour, scale=1):
        for n, letter in enumerate(letters):
            for row, bits in enumerate(GLYPHS[letter]):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        gx = x + (n * 6 + col) * scale
                        self.fill_rect(gx, y + row * scale, gx + scale - 1,
                                       y + row * scale + scale - 1, colour)


def _inside(points, x, y):
    inside = False
    for i, (ax, ay) in enumerate(points):
        bx, by = points[i - 1]
        if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
            inside = not inside
    return inside
