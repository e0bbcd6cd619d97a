"""Lays figures drawn on a grid of blocks, one block being 14 x 14 cells
(the leg of a small triangle). On that grid every piece is made of whole
and half blocks, so a figure can be drawn as text and the solver finds how
the seven pieces cover it. Characters of a drawing:
  '#' a whole block, '.' or ' ' nothing,
  'a' the lower-left half, 'b' the lower-right half,
  'c' the upper-left half, 'd' the upper-right half (cut along a diagonal),
  'o' a wheel: a 20 x 20 diamond (the square, or two small triangles, set
  on a corner) hanging from the middle of the block's top edge; it counts
  as one block and its neighbours in the row should be empty (14-cell
  blocks only).
A figure needs eight blocks of area in all. A finer drawing may use blocks
of 7 cells (32 blocks of area: every piece still lies on it, shifted by half
a leg) or of 10 cells (16 blocks: the pieces turned by 45 degrees, the
square a diamond); the area of the drawing tells which grid it is on.

A sheet holds figures as "== name: title" followed by the rows.
usage: blocks.py SHEET GROUP TOOL [--write]
"""
import os
import sys

import tangram as t

GRID = {8: 14, 32: 7, 16: 10}


def half(ch, B):
    return {
        "a": [(0, 0), (0, B), (B, B)],
        "b": [(B, 0), (B, B), (0, B)],
        "c": [(0, 0), (B, 0), (0, B)],
        "d": [(0, 0), (B, 0), (B, B)],
        "#": [(0, 0), (B, 0), (B, B), (0, B)],
    }.get(ch)


def parse(path):
    figs = []
    for line in open(path):
        line = line.rstrip("\n")
        if line.startswith("#!"):
            continue
        if line.startswith("=="):
            name, _, title = line[2:].partition(":")
            figs.append([name.strip(), title.strip(), []])
        elif figs and line.strip():
            figs[-1][2].append(line.strip())
    return figs


def quarters(rows, B=None):
    B = B or GRID[area(rows)]
    q = {}
    for r, row in enumerate(rows):
        for c, ch in enumerate(row):
            if ch == "o":
                for x, y, k in t.mask(6, 1):
                    q[(x + c * B - 3, y + r * B, k)] = 1
            if half(ch, B):
                poly = [(x + c * B, y + r * B) for x, y in half(ch, B)]
                for cy in range(r * B, r * B + B):
                    for cx in range(c * B, c * B + B):
                        for k, (dx, dy) in enumerate(t.CENTROIDS):
                            if t._inside(poly, cx + dx, cy + dy):
                                q[(cx, cy, k)] = 1
    return q


def area(rows):
    return sum(1 if ch in "#o" else 0.5 if ch in "abcd" else 0 for row in rows for ch in row)


def main():
    sheet, group, tool = sys.argv[1], sys.argv[2], sys.argv[3]
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                           "Figures", group)
    ok = True
    for name, title, rows in parse(sheet):
        a = area(rows)
        if a not in GRID:
            print(f"{name} ({title}): area {a}, needs 8, 16 or 32")
            ok = False
            continue
        lines = t.lay(tool, name, quarters(rows))
        if lines is None:
            print(f"{name} ({title}): the pieces cannot lay it")
            ok = False
            continue
        print(f"{name}: {title}")
        if "--write" in sys.argv:
            os.makedirs(out_dir, exist_ok=True)
            with open(os.path.join(out_dir, name + ".txt"), "w") as f:
                f.write(f"# {name}: {title}\n" + "\n".join(lines) + "\n")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
