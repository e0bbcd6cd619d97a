"""Lays figures given as outlines: each figure is "== name: title" followed
by one or more polygons, a line of "x,y" corners in cells each, whose union
is the figure. The union is rasterised the way the game does (quarter
centroids) and handed to the solver; a layout it finds is printed as
design.py items for sports.txt. Outlines with 45-degree edges on a 10-cell
grid (pieces turned) or a 7-cell grid (pieces straight) are the ones the
pieces can lay.
usage: outline.py SHEET TOOL
"""
import os
import sys

import tangram as t

LETTER = {1: "s", 2: "s", 3: "m", 4: "l", 5: "l", 6: "q", 7: "p"}


def inside(poly, x, y):
    # even-odd rule: outlines may be concave (a heart's notch)
    hit = False
    for i in range(len(poly)):
        (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % len(poly)]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


def quarters(polys):
    q = {}
    for p in polys:
        xs, ys = [v[0] for v in p], [v[1] for v in p]
        for r in range(int(min(ys)) - 1, int(max(ys)) + 1):
            for c in range(int(min(xs)) - 1, int(max(xs)) + 1):
                for k, (dx, dy) in enumerate(t.CENTROIDS):
                    if inside(p, c + dx, r + dy):
                        q[(c, r, k)] = 1
    return q


def parse(path):
    figs = []
    for line in open(path):
        line = line.split("#")[0].strip()
        if line.startswith("=="):
            name, _, title = line[2:].partition(":")
            figs.append([name.strip(), title.strip(), []])
        elif line:
            figs[-1][2].append([tuple(int(v) for v in w.split(",")) for w in line.split()])
    return figs


def main():
    sheet, tool = sys.argv[1], sys.argv[2]
    for name, title, polys in parse(sheet):
        q = quarters(polys)
        lines = t.lay(tool, name, q)
        if lines is None:
            print(f"{name} ({title}): the pieces cannot lay it ({len(q)} quarters)")
            continue
        items = "; ".join(f"{LETTER[int(p)]}{o} {c} {r}" for p, o, c, r in map(str.split, lines))
        print(f"== {name}: {title}\n{items}")


if __name__ == "__main__":
    main()
