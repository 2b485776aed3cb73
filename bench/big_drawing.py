#!/usr/bin/env python3
"""Writes a large drawing for timing: PATHS paths of SEGMENTS cubic segments each, a seeded random
walk on an A4 page (every other path closed). The same arguments always give the same file.
Usage: big_drawing.py PATHS SEGMENTS > drawing.svg"""
import random
import sys


def path_data(rnd, segments):
    x, y = rnd.uniform(50, 545), rnd.uniform(50, 792)
    parts = ["M%.3f %.3f" % (x, y)]
    for _ in range(segments):
        handles = [x + rnd.uniform(-3, 3), y + rnd.uniform(-3, 3),
                   x + rnd.uniform(-3, 3), y + rnd.uniform(-3, 3)]
        x = min(max(x + rnd.uniform(-4, 4), 1), 594)
        y = min(max(y + rnd.uniform(-4, 4), 1), 841)
        parts.append("C%.3f %.3f %.3f %.3f %.3f %.3f" % (*handles, x, y))
    return parts


def main():
    paths, segments = int(sys.argv[1]), int(sys.argv[2])
    rnd = random.Random(7)
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="595pt" height="842pt" '
             'viewBox="0 0 595 842">']
    for i in range(paths):
        parts = path_data(rnd, segments)
        if i % 2 == 0:
            parts.append("Z")
        lines.append('<path d="%s" fill="none" stroke="#000" stroke-width="0.3"/>'
                     % " ".join(parts))
    lines.append("</svg>")
    sys.stdout.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
