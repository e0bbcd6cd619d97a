"""Fits the seven pieces to a rough drawing. The drawing (blocks.py's
characters, 5 cells a block unless the title ends "@B" with another block
size) is the target; every position of every piece, straight or turned by
45 degrees, that lies mostly inside it is a candidate, and a beam search
lays the pieces largest first without overlaps, keeping the layouts that
cover most of the drawing and stick out least. The best layouts are printed
as sheet items "piece orientation col row; ..." to be looked at and kept in
sports.txt: the drawing only guides the search, the laid figure is what
ships.
usage: fit.py SHEET [NAME...] [--beam N] [--show K] [--slack F]
"""
import sys

import blocks
import tangram as t

W = 200  # cells per bitmap row
ORDER = [4, 5, 3, 6, 7, 1, 2]


def bits(quarters, dx=0, dy=0):
    v = 0
    for c, r, q in quarters:
        v |= 1 << (((r + dy) * W + c + dx) * 4 + q)
    return v


def candidates(piece, target, box, slack):
    """(mask, inside, outside) of every placement mostly inside the target."""
    x0, y0, x1, y1 = box
    out = []
    for o in range(2 if piece == 6 else 8):
        m = t.mask(piece, o)
        base = bits(m)
        n = len(m)
        # turned pieces lie on the 5-cell grid of the drawing, straight ones
        # on a 7-cell grid (half a small triangle's leg)
        turned = (o == 1) if piece == 6 else (o % 2 == 0) if piece in (3, 7) else (o % 2 == 1)
        step = 5 if turned else 7
        for y in range(y0 - y0 % step - step, y1 + 1, step):
            for x in range(x0 - x0 % step - step, x1 + 1, step):
                pm = base << ((y * W + x) * 4)
                inside = (pm & target).bit_count()
                if n - inside <= slack.get(piece, 0.3) * n:
                    out.append((pm, inside, n - inside, (piece, o, x, y)))
    return out


def beam_search(target, box, beam, slack):
    cands = {}
    for p in ORDER:
        key = 1 if p == 2 else 4 if p == 5 else p
        if key not in cands:
            cands[key] = candidates(p, target, box, slack)
    states = [(0, 0, [])]  # score, union, placements
    for p in ORDER:
        key = 1 if p == 2 else 4 if p == 5 else p
        nxt = {}
        for score, union, placed in states:
            for pm, inside, outside, (_, o, x, y) in cands[key]:
                if pm & union:
                    continue
                u = union | pm
                s = score + inside - 3 * outside
                if u not in nxt or nxt[u][0] < s:
                    nxt[u] = (s, u, placed + [(p, o, x, y)])
        states = sorted(nxt.values(), key=lambda s: -s[0])[:beam]
    return states


def main():
    opt = lambda k, d: type(d)(sys.argv[sys.argv.index(k) + 1]) if k in sys.argv else d
    beam, show, sl = opt("--beam", 300), opt("--show", 2), opt("--slack", 0.15)
    slack = {4: sl, 5: sl, 3: 2 * sl, 6: 2 * sl, 7: 2 * sl, 1: 3 * sl, 2: 3 * sl}
    args, skip = [], False
    for a in sys.argv[1:]:
        if skip:
            skip = False
        elif a.startswith("--"):
            skip = True
        else:
            args.append(a)
    sheet, only = args[0], set(args[1:])
    for name, title, rows in blocks.parse(sheet):
        if only and name not in only:
            continue
        B = 5
        if "@" in title:
            title, _, b = title.rpartition("@")
            title, B = title.strip(), int(b)
        q = {(c + 35, r + 35, k) for c, r, k in blocks.quarters(rows, B)}
        target = bits(q)
        box = (min(c for c, _, _ in q), min(r for _, r, _ in q), max(c for c, _, _ in q),
               max(r for _, r, _ in q))
        states = beam_search(target, box, beam, slack)
        for i, (score, union, placed) in enumerate(states[:show]):
            f = t.Figure(name)
            for s in placed:
                f.at(*s)
            try:
                f.check()
                ok = "ok"
            except ValueError as e:
                ok = str(e)
            print(f"== {name}{'' if i == 0 else chr(97 + i)}: {title}   # fit {score} of {len(q)} {ok}")
            print("; ".join(f"{p} {o} {x} {y}" for p, o, x, y in placed))


if __name__ == "__main__":
    main()
