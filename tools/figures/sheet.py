"""design.py with two easier ways to place a piece. A sheet item is
  CODE col row        the piece's bounding box at col, row; both may be sums
                      such as 28+10 (14 is a small triangle's leg, 10 half
                      its hypotenuse: straight and slanted pieces meet at sums
                      of the two)
  CODE @k=Bj          vertex k of this piece onto vertex j of piece B, the
  CODE @k=Bj+dx,dy    pieces of a figure being A, B, C... in the order given
Vertices are numbered in the order tangram.outline() lists them: even
triangles o0 TL BL BR, o2 TL TR BL, o4 TL TR BR, o6 TR BR BL; odd triangles
o1 top bottom left, o3 top right left, o5 top right bottom, o7 left right
bottom; squares clockwise from the top(-left); parallelograms as listed.

usage: sheet.py SHEET GROUP [--write] [--png FILE]
"""
import re
import sys

import design
import tangram as t

PIECE_OF = {"s": 1, "m": 3, "l": 4, "q": 6, "p": 7}


def value(text):
    if not all(ch in "0123456789+-*() " for ch in text):
        raise ValueError(f"bad position {text!r}")
    return int(eval(text, {"__builtins__": {}}))


def place(code, args, done):
    letter, o = code[0], int(code[1:])
    poly = t.outline(PIECE_OF[letter], o)
    if len(args) == 2:
        return letter, o, value(args[0]), value(args[1])
    m = re.fullmatch(r"@(\d)=([A-G])(\d)(?:\+(-?\d+),(-?\d+))?", args[0])
    if not m:
        raise ValueError(f"bad item {code} {args}")
    k, other, j = int(m[1]), m[2], int(m[3])
    dx, dy = int(m[4] or 0), int(m[5] or 0)
    ol, oo, oc, orow = done[ord(other) - ord("A")]
    ox, oy = t.outline(PIECE_OF[ol], oo)[j]
    vx, vy = poly[k]
    return letter, o, oc + ox - vx + dx, orow + oy - vy + dy


_design_parse = design.parse


def parse(path):
    return _design_parse(path, place)


if __name__ == "__main__":
    design.parse = parse
    sys.exit(design.main())
