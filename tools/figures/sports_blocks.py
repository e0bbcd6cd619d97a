"""blocks.py for the Sports and games drawings, with one finer grid more:
a drawing of 64 blocks is on a grid of 5 cells (the pieces turned by 45
degrees, as on the 10-cell grid, but shifted by half a leg). Lays every
drawing with the solver, writes its placement file with --write (only the
figures named after the sheet, or all) and renders the laid figures, each
piece in its own shade, with --png FILE.
usage: sports_blocks.py SHEET GROUP TOOL [--write] [--png FILE] [NAME...]
"""
import os
import subprocess
import sys
import tempfile

import blocks
import design
import tangram as t

GRID = {8: 14, 16: 10, 32: 7, 64: 5}


def lay(name, rows, tool, tmp):
    """The solver's placement lines for a drawing, or None."""
    path = os.path.join(tmp, "figure.pzk")
    open(path, "wb").write(t.puzzle_text(name, blocks.quarters(rows, GRID[blocks.area(rows)])))
    res = subprocess.run([tool, "solve", path], capture_output=True, text=True, timeout=300)
    if res.returncode != 0 or "none" in res.stdout:
        return None
    return [ln for ln in res.stdout.split("\n")[1:8] if ln.strip()]


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    sheet, group, tool, only = args[0], args[1], args[2], set(args[3:])
    png = sys.argv[sys.argv.index("--png") + 1] if "--png" in sys.argv else None
    if png in only:
        only.discard(png)
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                           "Figures", group)
    figs, ok = [], True
    with tempfile.TemporaryDirectory() as tmp:
        for name, title, rows in blocks.parse(sheet):
            if only and name not in only:
                continue
            a = blocks.area(rows)
            if a not in GRID:
                print(f"{name} ({title}): area {a}, needs 8, 16, 32 or 64")
                ok = False
                continue
            lines = lay(name, rows, tool, tmp)
            if not lines:
                print(f"{name} ({title}): the pieces cannot lay it")
                ok = False
                continue
            print(f"{name}: {title}")
            f = t.Figure(name)
            for ln in lines:
                f.at(*map(int, ln.split()))
            figs.append(f)
            if "--write" in sys.argv:
                with open(os.path.join(out_dir, name + ".txt"), "w") as out:
                    out.write(f"# {name}: {title}\n" + "\n".join(lines) + "\n")
    if png and figs:
        design.montage(png, figs, scale=3, per_row=5)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
