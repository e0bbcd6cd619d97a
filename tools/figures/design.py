"""Turns a design sheet into placement files and a preview montage.

A design sheet holds figures, each a header line "== name: title" followed
by seven pieces "CODE col row", CODE being a piece letter and an
orientation: s small triangle (pieces 1 and 2), m medium triangle (3),
l large triangle (4 and 5), q square (6), p parallelogram (7). col and row
are the top-left corner of the piece's bounding box, so positions are easy
to work out from the box sizes:
  s even 14x14, s1/s5 10x20, s3/s7 20x10
  m even 20x20, m1/m5 14x28, m3/m7 28x14
  l even 28x28, l1/l5 20x40, l3/l7 40x20
  q0 14x14, q1 20x20
  p0/p4 30x10, p2/p6 10x30, p1/p7 14x28, p3/p5 28x14
Negative positions are fine; the figure is moved to the top-left corner.

usage: design.py SHEET GROUP [--write] [--png FILE]
"""
import os
import sys

import tangram as t

LETTER = {"s": [1, 2], "m": [3], "l": [4, 5], "q": [6], "p": [7]}


def parse(path, place=None):
    """Reads a sheet into [name, title, pieces, line] figures. place turns one
    item's words into (letter, orientation, col, row), given the pieces of
    the figure so far; by default an item is CODE col row."""
    place = place or (lambda code, args, done: (code[0], int(code[1:]), int(args[0]),
                                                int(args[1])))
    figures = []
    cur = None
    for n, line in enumerate(open(path), 1):
        line = line.split("#")[0].strip()
        if not line:
            continue
        if line.startswith("=="):
            name, _, title = line[2:].partition(":")
            cur = [name.strip(), title.strip(), [], n]
            figures.append(cur)
            continue
        for item in line.split(";"):
            item = item.split()
            if item:
                cur[2].append(place(item[0], item[1:], cur[2]))
    return figures


def build(name, title, pieces):
    f = t.Figure(name)
    left = {k: list(v) for k, v in LETTER.items()}
    for letter, o, col, row in pieces:
        if not left[letter]:
            raise ValueError(f"{name}: too many '{letter}' pieces")
        f.at(left[letter].pop(0), o, col, row)
    f.title = title
    return f


def montage(path, figs, scale=2, per_row=6):
    tiles = []
    for f in figs:
        q = f.quarters()
        c0 = min(k[0] for k in q)
        r0 = min(k[1] for k in q)
        tiles.append((q, c0, r0))
    tile = (max(max(k[0] - c0 for k in q) for q, c0, r0 in tiles) + 8) * scale
    tile = max(tile, (max(max(k[1] - r0 for k in q) for q, c0, r0 in tiles) + 8) * scale)
    rows = (len(figs) + per_row - 1) // per_row
    w, h = per_row * tile, rows * tile
    img = bytearray([255] * (w * h))
    which = {}
    for yy in range(scale):
        for xx in range(scale):
            fx, fy = (xx + 0.5) / scale, (yy + 0.5) / scale
            if fy <= fx and fy < 1 - fx:
                which[(xx, yy)] = 0
            elif fx > fy and fx >= 1 - fy:
                which[(xx, yy)] = 1
            elif fy >= fx and fy > 1 - fx:
                which[(xx, yy)] = 2
            else:
                which[(xx, yy)] = 3
    for i, (q, c0, r0) in enumerate(tiles):
        ox = (i % per_row) * tile
        oy = (i // per_row) * tile
        for x in range(tile):
            img[oy * w + ox + x] = 180
        for y in range(tile):
            img[(oy + y) * w + ox] = 180
        for (c, r, qq), piece in q.items():
            for (xx, yy), k in which.items():
                if k == qq:
                    x = ox + (c - c0 + 4) * scale + xx
                    y = oy + (r - r0 + 4) * scale + yy
                    img[y * w + x] = 20 + (piece * 37) % 150
    t.save_gray_png(path, img, w, h)


def main():
    sheet, group = sys.argv[1], sys.argv[2]
    figs = []
    ok = True
    for name, title, pieces, line in parse(sheet):
        try:
            f = build(name, title, pieces)
            w, h = f.check()
            figs.append(f)
            print(f"{name}: {w}x{h} {len(f.quarters())} q  {title}")
        except ValueError as e:
            ok = False
            print(f"line {line}: ERROR {e}")
    if "--write" in sys.argv and ok:
        d = os.path.join(os.path.dirname(__file__), "..", "..", "data", "Figures", group)
        os.makedirs(d, exist_ok=True)
        for f in figs:
            text = f.placement_text().replace(f"# {f.name}\n", f"# {f.name}: {f.title}\n")
            open(os.path.join(d, f.name + ".txt"), "w").write(text)
    if "--png" in sys.argv:
        montage(sys.argv[sys.argv.index("--png") + 1], figs, scale=4, per_row=5)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
