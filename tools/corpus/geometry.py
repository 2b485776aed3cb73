"""Path bounding boxes, in page points (x right, y up), from kwhost's cut file and from the
reference renderer's SVG output."""

import math
import re
import xml.etree.ElementTree as ET

PT_PER_PX = 0.75  # the renderer's CSS pixels at 96 per inch

SVG = "{http://www.w3.org/2000/svg}"
XLINK_HREF = "{http://www.w3.org/1999/xlink}href"


def cubic_extent(p0, p1, p2, p3):
    """(min, max) of one coordinate of a cubic Bézier over t in [0, 1]."""
    values = [p0, p3]
    a = -p0 + 3 * p1 - 3 * p2 + p3
    b = 2 * (p0 - 2 * p1 + p2)
    c = p1 - p0
    if abs(a) < 1e-12:
        roots = [-c / b] if abs(b) > 1e-12 else []
    else:
        disc = b * b - 4 * a * c
        roots = [] if disc < 0 else [(-b + s * math.sqrt(disc)) / (2 * a) for s in (1, -1)]
    for t in roots:
        if 0 < t < 1:
            u = 1 - t
            values.append(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3)
    return min(values), max(values)


class BoxBuilder:
    """Tight box of one subpath, grown segment by segment."""

    def __init__(self, start):
        self.x0 = self.x1 = start[0]
        self.y0 = self.y1 = start[1]
        self.segments = 0

    def cubic(self, p0, p1, p2, p3):
        lo_x, hi_x = cubic_extent(p0[0], p1[0], p2[0], p3[0])
        lo_y, hi_y = cubic_extent(p0[1], p1[1], p2[1], p3[1])
        self.x0, self.x1 = min(self.x0, lo_x), max(self.x1, hi_x)
        self.y0, self.y1 = min(self.y0, lo_y), max(self.y1, hi_y)
        self.segments += 1

    def box(self):
        return (self.x0, self.y0, self.x1, self.y1)


def cut_file_boxes(text):
    """One box per path block of a cut file (coordinates as written: points, y up)."""
    boxes, builder, current = [], None, None
    for line in text.splitlines():
        fields = line.split()
        if not fields:
            continue
        if fields[-1] == "m":
            current = (float(fields[0]), float(fields[1]))
            builder = BoxBuilder(current)
        elif fields[-1] == "c":
            n = [float(f) for f in fields[:6]]
            end = (n[4], n[5])
            builder.cubic(current, (n[0], n[1]), (n[2], n[3]), end)
            current = end
        elif fields == ["U"] and builder is not None:
            boxes.append(builder.box())
            builder = None
    return boxes


def multiply(m, n):
    """The affine m applied after n; both (a, b, c, d, e, f) as in SVG's matrix()."""
    a, b, c, d, e, f = n
    return (m[0] * a + m[2] * b, m[1] * a + m[3] * b, m[0] * c + m[2] * d, m[1] * c + m[3] * d,
            m[0] * e + m[2] * f + m[4], m[1] * e + m[3] * f + m[5])


def apply(m, x, y):
    return (m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5])


def parse_transform(text):
    """The renderer writes only matrix() and translate()."""
    m = (1, 0, 0, 1, 0, 0)
    for name, args in re.findall(r"(\w+)\s*\(([^)]*)\)", text or ""):
        n = [float(v) for v in re.split(r"[\s,]+", args.strip())]
        if name == "matrix":
            step = tuple(n)
        elif name == "translate":
            step = (1, 0, 0, 1, n[0], n[1] if len(n) > 1 else 0)
        else:
            raise ValueError("unexpected transform " + name)
        m = multiply(m, step)
    return m


TOKEN = re.compile(r"[MLCZ]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")


def path_boxes(d, m):
    """Boxes of the subpaths of absolute M/L/C/Z path data under the affine m; subpaths that
    never leave their start point (the renderer's move after each close) have none."""
    tokens, boxes = TOKEN.findall(d), []
    i, builder, current, start = 0, None, None, None

    def take(count):
        nonlocal i
        values = [float(v) for v in tokens[i:i + count]]
        i += count
        return [apply(m, values[k], values[k + 1]) for k in range(0, count, 2)]

    def finish():
        if builder is not None and builder.segments:
            boxes.append(builder.box())

    command = None
    while i < len(tokens):
        if tokens[i] in "MLCZ":
            command = tokens[i]
            i += 1
        if command == "M":
            finish()
            (current,) = take(2)
            start, builder = current, BoxBuilder(current)
            command = "L"  # pairs after a move are lines
        elif command == "L":
            (end,) = take(2)
            builder.cubic(current, current, end, end)
            current = end
        elif command == "C":
            c1, c2, end = take(6)
            builder.cubic(current, c1, c2, end)
            current = end
        elif command == "Z":
            if current != start:
                builder.cubic(current, current, start, start)
            current = start
            command = None
    finish()
    return boxes


UNPAINTED = re.compile(r"(?:^|;)\s*(?:fill|stroke):none")


def reference_boxes(svg_text, left_px, top_px, page_height_pt):
    """(boxes, merged): the boxes of every painted path the renderer wrote, in page points, and
    those of paths both filled and stroked, which may stand for two elements of one outline (cairo
    merges a fill and a stroke of the same outline that follow each other). The page's top-left
    corner was placed at (left_px, top_px) of the renderer's output."""
    root = ET.fromstring(svg_text)
    by_id = {e.get("id"): e for e in root.iter() if e.get("id")}
    to_page = (PT_PER_PX, 0, 0, -PT_PER_PX, -PT_PER_PX * left_px, page_height_pt + PT_PER_PX * top_px)
    boxes, merged = [], []

    def walk(element, m, depth):
        tag = element.tag.replace(SVG, "")
        m = multiply(m, parse_transform(element.get("transform")))
        if tag == "path":
            found = path_boxes(element.get("d", ""), m)
            boxes.extend(found)
            if not UNPAINTED.search(element.get("style", "")):
                merged.extend(found)
        elif tag == "use" and depth < 32:
            target = by_id.get((element.get(XLINK_HREF) or element.get("href") or "").lstrip("#"))
            if target is not None:
                shift = (1, 0, 0, 1, float(element.get("x", 0)), float(element.get("y", 0)))
                walk(target, multiply(m, shift), depth + 1)
        elif tag in ("svg", "g"):
            for child in element:
                walk(child, m, depth)
        # defs, clip paths, masks, patterns, images and paint-everything rects hold no shapes

    walk(root, to_page, 0)
    return boxes, merged
