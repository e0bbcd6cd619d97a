"""Writes the placement files of the group "Geometric shapes": the thirteen
convex figures of the tangram, first as found and then turned by 45 degrees
(on this grid a turned figure is a different puzzle: the pieces change
their areas when they turn). The solver lays each one.

usage: shapes.py PATH/TO/polyshard-puzzle
"""
import os
import sys

import convex
import tangram as t

# class representative (index in the enumeration), name; easiest first
ORDER = [
    (4, "hexagon with two cut corners"), (1, "rectangle"), (2, "right trapezoid"),
    (6, "hexagon"), (9, "pentagon"), (5, "pentagon, house-shaped"),
    (3, "long right trapezoid"), (7, "parallelogram"), (14, "trapezoid"),
    (20, "triangle"), (0, "square"), (11, "long hexagon"), (8, "slanted hexagon"),
]


def main():
    tool = sys.argv[1]
    polys = list(convex.polygons())
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                           "Figures", "Geometric shapes")
    os.makedirs(out_dir, exist_ok=True)
    number = 1
    for turn in (0, 1):
        for index, title in ORDER:
            lens = polys[index]
            lens = lens[-1:] + lens[:-1] if turn else lens
            lines = t.lay(tool, "shape", convex.rasterise(convex.cells(lens)))
            if lines is None:
                print(f"{title}: no layout on this grid")
                continue
            name = f"shapes [{number:03d}]"
            label = title + (", turned" if turn else "")
            with open(os.path.join(out_dir, name + ".txt"), "w") as f:
                f.write(f"# {name}: {label}\n" + "\n".join(lines) + "\n")
            print(name, label)
            number += 1


if __name__ == "__main__":
    main()
