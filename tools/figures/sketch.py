"""Renders the drawings of a block sheet as they stand, before the solver
lays them, and prints each one's area (8, 16 or 32 blocks are layable).
usage: sketch.py SHEET OUT.png"""
import sys

import blocks
import design
import tangram as t


class Drawn:
    def __init__(self, q):
        self.q = q

    def quarters(self):
        return self.q


figs = []
for name, title, rows in blocks.parse(sys.argv[1]):
    a = blocks.area(rows)
    print(f"{name}: area {a}  {title}")
    figs.append(Drawn(blocks.quarters(rows, blocks.GRID.get(a, 7))))
design.montage(sys.argv[2], figs, per_row=7)
