"""Finds the convex figures the seven pieces can form on the game's grid.

Enumerates convex polygons whose sides run in the eight 45-degree
directions, with the tangram's area, in exact arithmetic: a length is
a + b*sqrt2 (small triangle leg = 1) and a coordinate p + q*sqrt2/2. A
coordinate is mapped to cells as 14p + 10q, the scale at which the game's
pieces are drawn. Each polygon is rasterised with the game's quarter rule
and written as a puzzle file for the solver to try.

usage: convex.py OUTDIR   (writes OUTDIR/convex_NN.pzk and a list)
"""
import itertools
import os
import sys

import tangram as t

LENGTHS = [(a, b) for a in range(0, 5) for b in range(0, 3) if a + b * 1.41421356 <= 5.66]
DIRS = [(1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1), (0, -1), (1, -1)]


def step(k, ab):
    a, b = ab
    dx, dy = DIRS[k]
    if k % 2 == 0:  # axis: length a + b*sqrt2 = a + 2b * (sqrt2/2)
        return (dx * a, dx * 2 * b), (dy * a, dy * 2 * b)
    # diagonal: each axis moves length / sqrt2 = b + a * (sqrt2/2)
    return (dx * b, dx * a), (dy * b, dy * a)


def mul(u, v):
    # (p1 + q1 t)(p2 + q2 t), t = sqrt2/2, t^2 = 1/2; returned doubled
    return (2 * u[0] * v[0] + u[1] * v[1], 2 * (u[0] * v[1] + u[1] * v[0]))


def polygons():
    found = set()
    for l1, l3, l5, l7, l0, l2 in itertools.product(LENGTHS, repeat=6):
        lens = [l0, l1, l2, l3, None, l5, None, l7]
        x = [0, 0]
        y = [0, 0]
        for k in (0, 1, 2, 3, 5, 7):
            sx, sy = step(k, lens[k])
            x = [x[0] + sx[0], x[1] + sx[1]]
            y = [y[0] + sy[0], y[1] + sy[1]]
        # W closes x, N closes y: their lengths are x and y themselves,
        # which must be of the form a + 2b t with a, b >= 0
        if x[0] < 0 or x[1] < 0 or x[1] % 2 or y[0] < 0 or y[1] % 2 or y[1] < 0:
            continue
        lens[4] = (x[0], x[1] // 2)
        lens[6] = (y[0], y[1] // 2)
        if sum(1 for v in lens if v != (0, 0)) < 3:
            continue
        pts = [((0, 0), (0, 0))]
        for k in range(8):
            sx, sy = step(k, lens[k])
            px, py = pts[-1]
            pts.append(((px[0] + sx[0], px[1] + sx[1]), (py[0] + sy[0], py[1] + sy[1])))
        area = [0, 0]
        for i in range(8):
            a = mul(pts[i][0], pts[i + 1][1])
            b = mul(pts[i + 1][0], pts[i][1])
            area = [area[0] + a[0] - b[0], area[1] + a[1] - b[1]]
        # doubled twice: 4 * area; tangram area 8
        if area != [32, 0] and area != [-32, 0]:
            continue
        key = canonical(lens)
        if key not in found:
            found.add(key)
            yield lens


def canonical(lens):
    # the same figure turned by 90 degrees or mirrored is the same puzzle
    forms = []
    for r in range(0, 8, 2):
        rot = lens[r:] + lens[:r]
        forms.append(tuple(rot))
        forms.append(tuple([rot[0]] + rot[1:][::-1]))
    return min(forms)


def cells(lens):
    pts = [(0, 0)]
    for k in range(8):
        sx, sy = step(k, lens[k])
        x, y = pts[-1]
        pts.append((x + 14 * sx[0] + 10 * sx[1], y + 14 * sy[0] + 10 * sy[1]))
    dedup = []
    for p in pts:
        if not dedup or dedup[-1] != p:
            dedup.append(p)
    if dedup[-1] == dedup[0]:
        dedup.pop()
    return dedup


def rasterise(poly):
    xs = [p[0] for p in poly]
    ys = [p[1] for p in poly]
    q = {}
    for r in range(min(ys), max(ys)):
        for c in range(min(xs), max(xs)):
            for k, (dx, dy) in enumerate(t.CENTROIDS):
                if t._inside(poly, c + dx, r + dy):
                    q[(c, r, k)] = 1
    return q


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    n = 0
    for lens in polygons():
        for turn in (0, 1):  # as found, and turned by 45 degrees
            l = lens[-turn:] + lens[:-turn] if turn else lens
            poly = cells(l)
            q = rasterise(poly)
            name = f"convex_{n:02d}_{turn}"
            open(os.path.join(out, name + ".pzk"), "wb").write(t.puzzle_text(name, q))
            print(name, len(q), lens, poly)
        n += 1


if __name__ == "__main__":
    main()
