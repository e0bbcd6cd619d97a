"""Finds the drawings of a block template the seven pieces can lay. A
template is a blocks.py drawing in which some blocks are left open:
  '?' any of . # a b c d, '+' any of # a b c d, '*' . or #, 'h' . or a half.
Every filling of the open blocks with the area of the seven pieces whose
parts touch along edges (one part more when the drawing has an 'o' dot) is
handed to the solver; those it lays are written as a blocks.py sheet, to be
looked at with sketch.py and copied to a design sheet. Keep the open blocks
few: each '?' multiplies the fillings by six.
usage: variants.py TEMPLATES TOOL OUT_SHEET"""
import itertools
import os
import sys
from concurrent.futures import ThreadPoolExecutor

import blocks
import tangram as t

CHOICES = {"?": ".#abcd", "+": "#abcd", "*": ".#", "h": ".abcd"}
# the edges of a block a half block covers completely
EDGES = {"#": "tblr", "o": "", "a": "lb", "b": "rb", "c": "tl", "d": "tr"}
STEPS = ((0, 1, "r", "l"), (0, -1, "l", "r"), (1, 0, "b", "t"), (-1, 0, "t", "b"))


def parts(rows):
    cells = {(r, c): ch for r, row in enumerate(rows) for c, ch in enumerate(row)
             if ch not in ". "}
    seen, n = set(), 0
    for start in cells:
        if start in seen:
            continue
        n += 1
        seen.add(start)
        stack = [start]
        while stack:
            r, c = stack.pop()
            for dr, dc, mine, theirs in STEPS:
                nb = (r + dr, c + dc)
                if (nb in cells and nb not in seen and mine in EDGES[cells[(r, c)]]
                        and theirs in EDGES[cells[nb]]):
                    seen.add(nb)
                    stack.append(nb)
    return n


def fillings(rows):
    open_at = [(r, c) for r, row in enumerate(rows) for c, ch in enumerate(row)
               if ch in CHOICES]
    most = 2 if "o" in "".join(rows) else 1
    for choice in itertools.product(*[CHOICES[rows[r][c]] for r, c in open_at]):
        grid = [list(row) for row in rows]
        for (r, c), ch in zip(open_at, choice):
            grid[r][c] = ch
        grid = ["".join(row) for row in grid]
        if blocks.area(grid) in (8, 32) and parts(grid) <= most:
            yield grid


def layable(tool, rows):
    return t.lay(tool, "figure", blocks.quarters(rows)) is not None


def main():
    templates, tool, out = sys.argv[1:4]
    found = []
    for name, title, rows in blocks.parse(templates):
        grids = list(fillings(rows))
        with ThreadPoolExecutor(2) as pool:
            ok = [g for g, yes in zip(grids, pool.map(lambda g: layable(tool, g), grids)) if yes]
        print(f"{name}: {len(grids)} drawings, {len(ok)} layable")
        found += [f"== {name}.{i}: {title}\n" + "\n".join(g) for i, g in enumerate(ok)]
    open(out, "w").write("\n".join(found) + "\n")


if __name__ == "__main__":
    main()
