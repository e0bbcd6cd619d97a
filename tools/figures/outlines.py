"""Lays figures drawn as outlines: each figure is a union of polygons in
cells and of rows of blocks, and the solver finds how the seven pieces
cover it (or says they cannot). Lines of a sheet:
  == name: title        a new figure
  poly x,y x,y ...      a polygon in cells; a coordinate may be a sum such
                        as 28+10 (14 is a small triangle's leg, 10 half its
                        hypotenuse)
  grid B X Y            block size and origin of the rows that follow
  |..ab##..             a row of blocks, characters as in blocks.py
  l0 0 0; m3 @1=A0 ...  pieces placed as in sheet.py (code and bounding box
                        corner, or a vertex onto another piece's vertex)
Anything after '#' on a poly or grid line is a comment. A figure's area
must be the tangram's: 1568 cells (pieces turned by 45 degrees cover a
little more or less on the game's grid; the solver decides).

usage: outlines.py SHEET GROUP TOOL [--write] [--out DIR] [--png FILE] [--only NAME...]
(--write writes placement files into data/Figures/GROUP, or into DIR)
"""
import os
import sys

import blocks
import design
import sheet
import tangram as t


def value(text):
    if not all(ch in "0123456789+-*() " for ch in text):
        raise ValueError(f"bad coordinate {text!r}")
    return int(eval(text, {"__builtins__": {}}))


def inside(poly, x, y):
    # even-odd rule, so that an outline need not be convex
    odd = False
    for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            odd = not odd
    return odd


def rasterise(poly, q):
    xs = [p[0] for p in poly]
    ys = [p[1] for p in poly]
    for cy in range(min(ys), max(ys)):
        for cx in range(min(xs), max(xs)):
            for k, (dx, dy) in enumerate(t.CENTROIDS):
                if inside(poly, cx + dx, cy + dy):
                    q[(cx, cy, k)] = 1


def parse(path):
    figs = []
    grid = [14, 0, 0, 0]  # size, origin x, origin y, next row
    for line in open(path):
        line = line.rstrip("\n")
        if line.startswith("=="):
            name, _, title = line[2:].partition(":")
            figs.append([name.strip(), title.strip(), {}])
            done = []
            continue
        if line.startswith("|"):
            B, x0, y0, r = grid
            for c, ch in enumerate(line[1:]):
                if blocks.half(ch, B):
                    poly = [(x + x0 + c * B, y + y0 + r * B) for x, y in blocks.half(ch, B)]
                    rasterise(poly, figs[-1][2])
            grid[3] += 1
            continue
        words = line.split("#")[0].split()
        if not words:
            continue
        if words[0] == "grid":
            grid = [value(words[1]), value(words[2]), value(words[3]), 0]
        elif words[0] == "poly":
            poly = [tuple(value(v) for v in w.split(",")) for w in words[1:]]
            rasterise(poly, figs[-1][2])
        else:
            for item in line.split("#")[0].split(";"):
                item = item.split()
                if item:
                    placed = sheet.place(item[0], item[1:], done)
                    try:
                        lay(placed, figs[-1])
                    except ValueError as e:
                        print(f"ERROR {e}")
                    done.append(placed)
    return figs


def lay(placed, fig):
    letter, o, col, row = placed
    for c, r, k in t.mask(sheet.PIECE_OF[letter], o):
        key = (c + col, r + row, k)
        if fig[2].get(key) == 2:
            raise ValueError(f"{fig[0]}: {letter}{o} at {col},{row} overlaps")
        fig[2][key] = 2


class Drawn:
    def __init__(self, q):
        self.q = q

    def quarters(self):
        return self.q


def main():
    path, group, tool = sys.argv[1], sys.argv[2], sys.argv[3]
    only = sys.argv[sys.argv.index("--only") + 1:] if "--only" in sys.argv else None
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                           "Figures", group)
    if "--out" in sys.argv:
        out_dir = sys.argv[sys.argv.index("--out") + 1]
    ok = True
    drawn = []
    for name, title, q in parse(path):
        if only and name not in only:
            continue
        drawn.append(Drawn(q))
        cells = len(q) / 4
        lines = t.lay(tool, name, q)
        print(f"{name}: {'laid' if lines else 'NOT LAYABLE'}, {cells:.0f} cells  {title}")
        if not lines:
            ok = False
            continue
        if "--write" in sys.argv:
            os.makedirs(out_dir, exist_ok=True)
            with open(os.path.join(out_dir, name + ".txt"), "w") as f:
                f.write(f"# {name}: {title}\n" + "\n".join(lines) + "\n")
    if "--png" in sys.argv and drawn:
        design.montage(sys.argv[sys.argv.index("--png") + 1], drawn, scale=2, per_row=6)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
