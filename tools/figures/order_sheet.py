"""Renumbers the figures of a block sheet from easy to hard: the more ways
the seven pieces can lay a figure, the easier it is taken to be.
usage: order_sheet.py SHEET COUNTER
COUNTER prints '<solutions> sols ... <file>' per puzzle file (a small
program over ForEachSolution of the solver)."""
import os
import re
import subprocess
import sys
import tempfile

import blocks
import tangram as t

sheet, counter = sys.argv[1], sys.argv[2]
figs = blocks.parse(sheet)
header = [l for l in open(sheet) if l.startswith("#!")]
with tempfile.TemporaryDirectory() as tmp:
    paths = []
    for i, (name, title, rows) in enumerate(figs):
        p = os.path.join(tmp, f"{i:03d}.pzk")
        open(p, "wb").write(t.puzzle_text(name, blocks.quarters(rows)))
        paths.append(p)
    out = subprocess.run([counter] + paths, capture_output=True, text=True).stdout
counts = {}
for line in out.splitlines():
    m = re.match(r"\s*(\d+) sols.*/(\d+)\.pzk", line)
    if m:
        counts[int(m.group(2))] = int(m.group(1))
order = sorted(range(len(figs)), key=lambda i: (-counts.get(i, 0), figs[i][1]))
word = figs[0][0].split(" [")[0]
with open(sheet, "w") as f:
    f.writelines(header)
    for n, i in enumerate(order, 1):
        name, title, rows = figs[i]
        f.write(f"== {word} [{n:03d}]: {title}\n")
        f.writelines(r + "\n" for r in rows)
        print(f"{word} [{n:03d}]: {title} ({counts.get(i, 0)} layouts)")
