"""Turns a placement file by 45 degrees counter-clockwise (or clockwise with
--cw). A figure laid with straight pieces (legs of 14 along the axes) comes
out laid with slanted ones (legs of 14 on the diagonals, 10 + 10 on the
board), and the other way round. Turning counter-clockwise, a point
(14i, 14j) of a straight layout goes to (10(i+j), 10(j-i)), one drawn on
half blocks (7i, 7j) to (5(i+j), 5(j-i)); a point (10i, 10j) of a slanted
layout goes to (7(i+j), 7(j-i)). Each piece keeps its number and takes the
orientation whose outline matches its turned corners, so the result is
again an exact layout; make checks it.

usage: turn45.py IN.txt OUT.txt "# title line" [--cw]
"""
import sys

import tangram as t

ORIENTATIONS = {1: 8, 2: 8, 3: 8, 4: 8, 5: 8, 6: 2, 7: 8}


# grid step of a layout -> step of the turned one: 14 straight cells are
# 10 + 10 slanted ones, and 10 + 10 slanted cells are 14 straight ones
STEPS = [(7, 5), (10, 7)]


def turn(x, y, cw, step):
    a, b = step
    if x % a or y % a:
        raise ValueError(f"corner {x},{y} is off the lattice of {a}")
    i, j = x // a, y // a
    return (b * (i - j), b * (i + j)) if cw else (b * (i + j), b * (j - i))


def shape(points):
    x0 = min(p[0] for p in points)
    y0 = min(p[1] for p in points)
    return sorted((x - x0, y - y0) for x, y in points), (x0, y0)


def turn_piece(piece, o, col, row, cw, step):
    pts = [turn(x + col, y + row, cw, step) for x, y in t.outline(piece, o)]
    want, (x0, y0) = shape(pts)
    for o2 in range(ORIENTATIONS[piece]):
        have, (hx, hy) = shape(t.outline(piece, o2))
        if have == want:
            return piece, o2, x0 - hx, y0 - hy
    raise ValueError(f"piece {piece} orientation {o} has no turned match")


def main():
    src, dst, title = sys.argv[1], sys.argv[2], sys.argv[3]
    cw = "--cw" in sys.argv
    slots = [tuple(map(int, line.split())) for line in open(src)
             if line.strip() and not line.startswith("#")]
    # put the figure's corners on the lattice of its own grid first
    x0 = min(min(x for x, _ in t.outline(p, o)) + c for p, o, c, r in slots)
    y0 = min(min(y for _, y in t.outline(p, o)) + r for p, o, c, r in slots)
    slots = [(p, o, c - x0, r - y0) for p, o, c, r in slots]
    corners = [(x + c, y + r) for p, o, c, r in slots for x, y in t.outline(p, o)]
    step = next(s for s in STEPS if all(x % s[0] == 0 and y % s[0] == 0 for x, y in corners))
    out = [turn_piece(p, o, c, r, cw, step) for p, o, c, r in slots]
    cx = min(c for _, _, c, _ in out)
    cy = min(r for _, _, _, r in out)
    with open(dst, "w") as f:
        f.write(title + "\n")
        for p, o, c, r in out:
            f.write(f"{p} {o} {c - cx + 2} {r - cy + 2}\n")


if __name__ == "__main__":
    main()
