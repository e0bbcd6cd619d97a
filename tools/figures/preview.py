"""Renders the placement files of one group into a preview montage.
usage: preview.py GROUP OUT.png"""
import glob
import os
import sys

import design
import tangram as t

group, out = sys.argv[1], sys.argv[2]
here = os.path.dirname(os.path.abspath(__file__))
figs = []
for path in sorted(glob.glob(os.path.join(here, "..", "..", "data", "Figures", group, "*.txt"))):
    f = t.Figure(os.path.basename(path))
    for line in open(path):
        line = line.split("#")[0].split()
        if len(line) == 4:
            f.at(*map(int, line))
    figs.append(f)
    print(len(figs), os.path.basename(path), open(path).readline().strip())
design.montage(out, figs, per_row=7)
